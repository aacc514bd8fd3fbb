#include "core/ui/ImpaginazioneGrafico.h"

#include <QFontMetricsF>
#include <cmath>

namespace quorvane {

namespace {

constexpr double Margine = 8;
constexpr double SpazioTacche = 40;  // pixels between two ticks of the vertical axis, at least
constexpr double SpazioTaccheX = 90;

// A step of 1, 2 or 5 times a power of ten that splits `ampiezza` in about `tacche` parts.
double passoLeggibile(double ampiezza, double tacche) {
    const double grezzo = ampiezza / std::max(1.0, tacche);
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * potenza >= grezzo * (1 - 1e-9)) return m * potenza;
    return 10 * potenza;
}

int decimaliPasso(double passo) {
    return std::max(0, static_cast<int>(std::ceil(-std::log10(passo) - 1e-9)));
}

QFont variante(const QFont& base, bool grassetto, bool piccolo) {
    QFont f = base;
    f.setBold(grassetto);
    if (!piccolo) return f;
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * 0.85);
    else f.setPixelSize(std::max(6, f.pixelSize() * 85 / 100));
    return f;
}

// The lowest and highest value drawn: every point, the chance and its band, and 0, so that a
// count is seen against its whole size.
std::pair<double, double> estremiY(const DatiGrafico& d) {
    double basso = 0, alto = 0;
    for (const SerieGrafico& s : d.serie)
        for (double v : s.y) {
            basso = std::min(basso, v);
            alto = std::max(alto, v);
        }
    if (d.caso) {
        basso = std::min(basso, d.caso->sotto());
        alto = std::max(alto, d.caso->sopra());
    }
    if (alto <= basso) alto = basso + 1;
    return {basso, alto};
}

// The title and the legend (one entry per series, then the chance and its band, centred in
// rows) from the top of `interno`; returns where the rest begins.
double impaginaTitolo(const DatiGrafico& dati, ImpaginazioneGrafico& imp, const QRectF& interno,
                      const QFont& carattere) {
    const QFontMetricsF fm(carattere);
    const double riga = fm.height();
    double alto = interno.top();
    if (!dati.titolo.isEmpty()) {
        const QFontMetricsF fg(variante(carattere, true, false));
        const double altezza = fg.boundingRect(QRectF(interno.left(), alto, interno.width(), interno.height()),
                                               Qt::AlignHCenter | Qt::TextWordWrap, dati.titolo)
                                   .height();
        imp.testi.push_back({QRectF(interno.left(), alto, interno.width(), altezza), dati.titolo, Qt::AlignCenter,
                             false, true, false, true});
        alto += altezza + 4;
    }
    struct Voce {
        QString testo;
        ImpaginazioneGrafico::Campione campione;
        QColor colore;
    };
    std::vector<Voce> voci;
    for (const SerieGrafico& s : dati.serie)
        voci.push_back({s.nome,
                        s.forma == SerieGrafico::Forma::Barre   ? ImpaginazioneGrafico::Campione::Barra
                        : s.forma == SerieGrafico::Forma::Linea ? ImpaginazioneGrafico::Campione::Linea
                                                                : ImpaginazioneGrafico::Campione::Tratteggio,
                        s.colore});
    if (dati.caso && !dati.vuoto()) {
        voci.push_back({testoCaso(*dati.caso), ImpaginazioneGrafico::Campione::Linea, ColoreCaso});
        if (dati.caso->sigma > 0)
            voci.push_back({testoFascia(*dati.caso), ImpaginazioneGrafico::Campione::Fascia, ColoreFascia});
    }
    const double lato = 22;  // of a legend swatch
    std::vector<std::vector<std::pair<const Voce*, double>>> righe(1);
    double larghezzaRiga = 0;
    for (const Voce& v : voci) {
        const double w = lato + 4 + fm.horizontalAdvance(v.testo) + 16;
        if (larghezzaRiga + w > interno.width() && !righe.back().empty()) {
            righe.emplace_back();
            larghezzaRiga = 0;
        }
        righe.back().push_back({&v, w});
        larghezzaRiga += w;
    }
    for (const auto& r : righe) {
        if (r.empty()) continue;
        double w = 0;
        for (const auto& [v, lv] : r) w += lv;
        double x = interno.left() + (interno.width() - w + 16) / 2;
        for (const auto& [v, lv] : r) {
            imp.legenda.push_back({QRectF(x, alto + riga / 2 - 5, lato, 10), v->campione, v->colore});
            imp.testi.push_back(
                {QRectF(x + lato + 4, alto, lv - lato - 20, riga), v->testo, Qt::AlignLeft | Qt::AlignVCenter});
            x += lv;
        }
        alto += riga + 2;
    }
    return alto + riga / 2;  // room for the top tick's label
}

// The names under the bars from `fondo` down: across when they fit, else turned upright, else
// every k-th from the k-th (5, 10, ... for the 90 numbers). Returns the height they need.
double impaginaNomi(const DatiGrafico& dati, ImpaginazioneGrafico& imp, double larghezza, const QFont& carattere,
                    double fondo) {
    const QFontMetricsF fp(variante(carattere, false, true));
    const auto n = static_cast<int>(dati.elementi.size());
    const double posto = larghezza / n;
    double nomeMassimo = 0;
    for (const QString& e : dati.elementi) nomeMassimo = std::max(nomeMassimo, fp.horizontalAdvance(e));
    const bool verticali = nomeMassimo + 4 > posto;
    int ogni = 1;
    while (verticali && fp.height() + 1 > posto * ogni) ogni = ogni == 1 ? 2 : ogni == 2 ? 5 : ogni * 2;
    for (int i = ogni - 1; i < n; i += ogni) {
        const QString& e = dati.elementi[static_cast<std::size_t>(i)];
        const double centro = imp.x(i);
        const double w = fp.horizontalAdvance(e);
        if (verticali)
            imp.testi.push_back({QRectF(centro - fp.height() / 2, fondo, fp.height(), w), e,
                                 Qt::AlignRight | Qt::AlignVCenter, true, false, true});
        else
            imp.testi.push_back(
                {QRectF(centro - w / 2, fondo, w, fp.height()), e, Qt::AlignCenter, false, false, true});
    }
    return verticali ? nomeMassimo + 6 : fp.height() + 4;
}

// The horizontal scale of a line chart: the span of every series, ticks about SpazioTaccheX apart.
void impaginaTaccheX(const DatiGrafico& dati, ImpaginazioneGrafico& imp, const QFont& carattere, double fondo) {
    const QFontMetricsF fm(carattere);
    bool primo = true;
    for (const SerieGrafico& s : dati.serie) {
        if (s.x.empty()) continue;
        imp.minimoX = primo ? s.x.front() : std::min(imp.minimoX, s.x.front());
        imp.massimoX = primo ? s.x.back() : std::max(imp.massimoX, s.x.back());
        primo = false;
    }
    if (imp.massimoX <= imp.minimoX) imp.massimoX = imp.minimoX + 1;
    imp.passoX = std::max(dati.passoMinimoX,
                          passoLeggibile(imp.massimoX - imp.minimoX, imp.piano.width() / SpazioTaccheX));
    const int decimaliX = decimaliPasso(imp.passoX);
    for (double v = std::ceil(imp.minimoX / imp.passoX - 1e-9) * imp.passoX; v <= imp.massimoX + 1e-9;
         v += imp.passoX) {
        const QString t = testoValoreGrafico(v, decimaliX);
        const double w = fm.horizontalAdvance(t);
        imp.testi.push_back({QRectF(imp.x(v) - w / 2, fondo, w, fm.height()), t, Qt::AlignCenter});
    }
}

}  // namespace

QFont carattereTesto(const QFont& base, const ImpaginazioneGrafico::Testo& testo) {
    return variante(base, testo.grassetto, testo.piccolo);
}

ImpaginazioneGrafico impaginaGrafico(const DatiGrafico& dati, const QRectF& area, const QFont& carattere) {
    ImpaginazioneGrafico imp;
    const QFontMetricsF fm(carattere);
    const double riga = fm.height();
    const QRectF interno = area.adjusted(Margine, Margine, -Margine, -Margine);
    const double alto = impaginaTitolo(dati, imp, interno, carattere);

    // The vertical scale, ticks about SpazioTacche apart over the height left.
    const bool barre = dati.aBarre() && !dati.elementi.empty();
    const auto [basso, altoY] = estremiY(dati);
    const double altezzaStimata = std::max(40.0, interno.bottom() - alto - 3 * riga);
    double passo = passoLeggibile(altoY - basso, altezzaStimata / SpazioTacche);
    if (dati.decimali == 0 && barre) passo = std::max(passo, 1.0);
    imp.passoY = passo;
    imp.minimoY = std::floor(basso / passo + 1e-9) * passo;
    imp.massimoY = std::ceil(altoY / passo - 1e-9) * passo;
    const int decimaliY = decimaliPasso(passo);
    std::vector<std::pair<double, QString>> taccheY;
    double larghezzaY = 0;
    for (double v = imp.minimoY; v <= imp.massimoY + passo / 2; v += passo) {
        taccheY.push_back({v, testoValoreGrafico(v, decimaliY)});
        larghezzaY = std::max(larghezzaY, fm.horizontalAdvance(taccheY.back().second));
    }
    const double sinistra = interno.left() + larghezzaY + 6;
    const double larghezza = std::max(10.0,
                                      interno.right() - sinistra - fm.horizontalAdvance(QStringLiteral("0000")) / 2);

    // The names go under the plot, whose height is what they leave; laid out first at the top
    // and moved down once it is known.
    imp.piano = QRectF(sinistra, alto, larghezza, 1);
    imp.minimoX = -0.5;
    imp.massimoX = static_cast<double>(dati.elementi.size()) - 0.5;
    const std::size_t primoNome = imp.testi.size();
    // A line chart's first tick stays clear of the lowest value's label.
    const double sotto = barre ? impaginaNomi(dati, imp, larghezza, carattere, 0) : riga * 1.5 + 4;
    imp.piano.setHeight(std::max(10.0, interno.bottom() - sotto - alto));
    const double fondo = imp.piano.bottom() + (barre ? 3 : riga / 2 + 3);
    for (std::size_t i = primoNome; i < imp.testi.size(); ++i) imp.testi[i].rettangolo.translate(0, fondo);
    if (!barre) impaginaTaccheX(dati, imp, carattere, fondo);
    for (const auto& [v, t] : taccheY)
        imp.testi.push_back(
            {QRectF(interno.left(), imp.y(v) - riga / 2, larghezzaY, riga), t, Qt::AlignRight | Qt::AlignVCenter});
    return imp;
}

}  // namespace quorvane
