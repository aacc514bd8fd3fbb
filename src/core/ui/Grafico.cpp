#include "core/ui/Grafico.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

constexpr double Margine = 8;
constexpr double SpazioTacche = 40;  // pixels between two ticks of the vertical axis, at least
constexpr double SpazioTaccheX = 90;
const QColor ColoreCaso(200, 30, 30);
const QColor ColoreFascia(220, 60, 60, 45);
const QColor ColoreGriglia(225, 225, 225);
const QColor ColoreAssi(90, 90, 90);

QString numero(double valore, int decimali) {
    QLocale italiano(QLocale::Italian);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    if (std::abs(valore) < 0.5 * std::pow(10.0, -decimali)) valore = 0;  // no "-0"
    return italiano.toString(valore, 'f', decimali);
}

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
    if (piccolo) f.setPointSizeF(f.pointSizeF() > 0 ? f.pointSizeF() * 0.85 : f.pointSizeF());
    if (piccolo && f.pixelSize() > 0) f.setPixelSize(std::max(6, f.pixelSize() * 85 / 100));
    return f;
}

bool aBarre(const DatiGrafico& d) {
    return std::any_of(d.serie.begin(), d.serie.end(),
                       [](const SerieGrafico& s) { return s.forma == SerieGrafico::Forma::Barre; });
}

QString testoCaso(const CasoGrafico& c) {
    return QStringLiteral("Caso: %1").arg(numero(c.valore, 2));
}

QString testoFascia(const CasoGrafico& c) {
    return QStringLiteral("±2σ: %1 – %2").arg(numero(c.sotto(), 2), numero(c.sopra(), 2));
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

}  // namespace

DatiGrafico datiScarto(const QString& titolo, std::vector<QString> elementi, std::vector<double> scarti) {
    DatiGrafico dati;
    dati.titolo = titolo;
    dati.elementi = std::move(elementi);
    SerieGrafico barre;
    barre.nome = QStringLiteral("Scarto dal caso (σ)");
    barre.y = std::move(scarti);
    dati.serie.push_back(std::move(barre));
    dati.caso = CasoGrafico{0, 1};
    dati.decimali = 2;
    return dati;
}

Grafico::Grafico(QWidget* padre) : QWidget(padre) {
    setMouseTracking(true);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copiaA = new QAction(QStringLiteral("Copia grafico"), this);
    copiaA->setObjectName(QStringLiteral("AzioneCopiaGrafico"));
    connect(copiaA, &QAction::triggered, this, &Grafico::copia);
    auto* stampaA = new QAction(QStringLiteral("Stampa grafico..."), this);
    stampaA->setObjectName(QStringLiteral("AzioneStampaGrafico"));
    connect(stampaA, &QAction::triggered, this, &Grafico::stampaConDialogo);
    addActions({copiaA, stampaA});
}

void Grafico::mostra(DatiGrafico dati) {
    dati_ = std::move(dati);
    update();
}

ImpaginazioneGrafico Grafico::impagina(const QRectF& area, const QFont& carattere) const {
    ImpaginazioneGrafico imp;
    const QFontMetricsF fm(carattere);
    const double riga = fm.height();
    const QRectF interno = area.adjusted(Margine, Margine, -Margine, -Margine);
    double alto = interno.top();
    if (!dati_.titolo.isEmpty()) {
        const QFontMetricsF fg(variante(carattere, true, false));
        imp.testi.push_back({QRectF(interno.left(), alto, interno.width(), fg.height()), dati_.titolo, Qt::AlignCenter,
                             false, true, false});
        alto += fg.height() + 4;
    }

    // The legend: one entry per series, then the chance and its band, centred in rows.
    struct Voce {
        QString testo;
        ImpaginazioneGrafico::Campione campione;
        QColor colore;
    };
    std::vector<Voce> voci;
    for (const SerieGrafico& s : dati_.serie)
        voci.push_back({s.nome,
                        s.forma == SerieGrafico::Forma::Barre   ? ImpaginazioneGrafico::Campione::Barra
                        : s.forma == SerieGrafico::Forma::Linea ? ImpaginazioneGrafico::Campione::Linea
                                                                : ImpaginazioneGrafico::Campione::Tratteggio,
                        s.colore});
    if (dati_.caso && !dati_.vuoto()) {
        voci.push_back({testoCaso(*dati_.caso), ImpaginazioneGrafico::Campione::Linea, ColoreCaso});
        if (dati_.caso->sigma > 0)
            voci.push_back({testoFascia(*dati_.caso), ImpaginazioneGrafico::Campione::Fascia, ColoreFascia});
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
    alto += riga / 2;  // room for the top tick's label

    // The vertical scale, ticks about SpazioTacche apart over the height left.
    const bool barre = aBarre(dati_);
    const auto [basso, altoY] = estremiY(dati_);
    const double altezzaStimata = std::max(40.0, interno.bottom() - alto - 3 * riga);
    double passo = passoLeggibile(altoY - basso, altezzaStimata / SpazioTacche);
    if (dati_.decimali == 0 && barre) passo = std::max(passo, 1.0);
    imp.passoY = passo;
    imp.minimoY = std::floor(basso / passo + 1e-9) * passo;
    imp.massimoY = std::ceil(altoY / passo - 1e-9) * passo;
    const int decimaliY = decimaliPasso(passo);
    std::vector<std::pair<double, QString>> taccheY;
    double larghezzaY = 0;
    for (double v = imp.minimoY; v <= imp.massimoY + passo / 2; v += passo) {
        taccheY.push_back({v, numero(v, decimaliY)});
        larghezzaY = std::max(larghezzaY, fm.horizontalAdvance(taccheY.back().second));
    }
    const double sinistra = interno.left() + larghezzaY + 6;
    const double larghezza = std::max(10.0,
                                      interno.right() - sinistra - fm.horizontalAdvance(QStringLiteral("0000")) / 2);

    // The names under the bars: across when they fit, else turned upright, else every k-th.
    const QFont piccolo = variante(carattere, false, true);
    const QFontMetricsF fp(piccolo);
    // Below the lowest value's label, so that the first tick of a line chart stays clear of it.
    double sotto = riga * 1.5 + 4;
    int ogni = 1;
    bool verticali = false;
    const auto n = static_cast<int>(dati_.elementi.size());
    const double posto = n > 0 ? larghezza / n : larghezza;
    double nomeMassimo = 0;
    if (barre && n > 0) {
        for (const QString& e : dati_.elementi) nomeMassimo = std::max(nomeMassimo, fp.horizontalAdvance(e));
        if (nomeMassimo + 4 > posto) {
            verticali = true;
            const double serve = fp.height() + 1;
            while (serve > posto * ogni) ogni = ogni == 1 ? 2 : ogni == 2 ? 5 : ogni * 2;
            sotto = nomeMassimo + 6;
        } else {
            sotto = fp.height() + 4;
        }
    }
    imp.piano = QRectF(sinistra, alto, larghezza, std::max(10.0, interno.bottom() - sotto - alto));
    for (const auto& [v, t] : taccheY)
        imp.testi.push_back(
            {QRectF(interno.left(), imp.y(v) - riga / 2, larghezzaY, riga), t, Qt::AlignRight | Qt::AlignVCenter});

    const double fondo = imp.piano.bottom() + (barre ? 3 : riga / 2 + 3);
    if (barre) {
        imp.minimoX = -0.5;
        imp.massimoX = n - 0.5;
        for (int i = 0; i < n; ++i) {
            // Every k-th from the k-th, so that numbers 1..90 show 5, 10, ...; the first too when it fits.
            if ((i + 1) % ogni != 0 && !(i == 0 && ogni > 2)) continue;
            const QString& e = dati_.elementi[static_cast<std::size_t>(i)];
            const double centro = imp.x(i);
            const double w = fp.horizontalAdvance(e);
            if (verticali)
                imp.testi.push_back({QRectF(centro - fp.height() / 2, fondo, fp.height(), w), e,
                                     Qt::AlignRight | Qt::AlignVCenter, true, false, true});
            else
                imp.testi.push_back(
                    {QRectF(centro - w / 2, fondo, w, fp.height()), e, Qt::AlignCenter, false, false, true});
        }
    } else {
        bool primo = true;
        for (const SerieGrafico& s : dati_.serie) {
            if (s.x.empty()) continue;
            imp.minimoX = primo ? s.x.front() : std::min(imp.minimoX, s.x.front());
            imp.massimoX = primo ? s.x.back() : std::max(imp.massimoX, s.x.back());
            primo = false;
        }
        if (imp.massimoX <= imp.minimoX) imp.massimoX = imp.minimoX + 1;
        imp.passoX = std::max(dati_.passoMinimoX,
                              passoLeggibile(imp.massimoX - imp.minimoX, larghezza / SpazioTaccheX));
        const int decimaliX = decimaliPasso(imp.passoX);
        for (double v = std::ceil(imp.minimoX / imp.passoX - 1e-9) * imp.passoX; v <= imp.massimoX + 1e-9;
             v += imp.passoX) {
            const QString t = numero(v, decimaliX);
            const double w = fm.horizontalAdvance(t);
            imp.testi.push_back({QRectF(imp.x(v) - w / 2, fondo, w, riga), t, Qt::AlignCenter});
        }
    }
    return imp;
}

void Grafico::disegna(QPainter& p, const QRectF& area, const QFont& carattere) const {
    const ImpaginazioneGrafico imp = impagina(area, carattere);
    p.save();
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF& piano = imp.piano;
    if (!dati_.vuoto()) {
        p.setPen(QPen(ColoreGriglia, 0));
        for (double v = imp.minimoY + imp.passoY; v <= imp.massimoY + imp.passoY / 2; v += imp.passoY)
            p.drawLine(QPointF(piano.left(), imp.y(v)), QPointF(piano.right(), imp.y(v)));
    }
    p.save();
    p.setClipRect(piano);
    if (dati_.caso && dati_.caso->sigma > 0 && !dati_.vuoto()) {
        const double su = imp.y(dati_.caso->sopra());
        const double giu = imp.y(dati_.caso->sotto());
        p.fillRect(QRectF(piano.left(), su, piano.width(), giu - su), ColoreFascia);
    }
    std::vector<const SerieGrafico*> barre;
    for (const SerieGrafico& s : dati_.serie)
        if (s.forma == SerieGrafico::Forma::Barre) barre.push_back(&s);
    const double posto = dati_.elementi.empty() ? 0 : piano.width() / static_cast<double>(dati_.elementi.size());
    const double spessore = (posto >= 4 ? posto * 0.8 : posto) / std::max<std::size_t>(1, barre.size());
    const double zero = imp.y(0);
    for (std::size_t b = 0; b < barre.size(); ++b) {
        const SerieGrafico& s = *barre[b];
        for (std::size_t i = 0; i < s.y.size() && i < dati_.elementi.size(); ++i) {
            const double sx = imp.x(static_cast<double>(i)) - spessore * barre.size() / 2 + spessore * b;
            const double cima = imp.y(s.y[i]);
            p.fillRect(QRectF(QPointF(sx, std::min(cima, zero)), QPointF(sx + spessore, std::max(cima, zero))),
                       s.colore);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const SerieGrafico& s : dati_.serie) {
        if (s.forma == SerieGrafico::Forma::Barre || s.x.empty()) continue;
        QPen penna(s.colore, 2);
        if (s.forma == SerieGrafico::Forma::LineaTratteggiata) penna.setStyle(Qt::DashLine);
        p.setPen(penna);
        QPainterPath linea;
        linea.moveTo(imp.x(s.x[0]), imp.y(s.y[0]));
        for (std::size_t i = 1; i < s.x.size(); ++i) linea.lineTo(imp.x(s.x[i]), imp.y(s.y[i]));
        p.drawPath(linea);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    if (dati_.caso && !dati_.vuoto()) {
        p.setPen(QPen(ColoreCaso, 2));
        p.drawLine(QPointF(piano.left(), imp.y(dati_.caso->valore)), QPointF(piano.right(), imp.y(dati_.caso->valore)));
    }
    p.restore();

    p.setPen(QPen(ColoreAssi, 0));
    p.drawLine(piano.bottomLeft(), piano.topLeft());
    p.drawLine(QPointF(piano.left(), zero), QPointF(piano.right(), zero));
    for (const auto& v : imp.legenda) {
        switch (v.campione) {
            case ImpaginazioneGrafico::Campione::Barra:
            case ImpaginazioneGrafico::Campione::Fascia:
                p.fillRect(v.rettangolo, v.colore);
                break;
            default: {
                QPen penna(v.colore, 2);
                if (v.campione == ImpaginazioneGrafico::Campione::Tratteggio) penna.setStyle(Qt::DashLine);
                p.setPen(penna);
                p.drawLine(QPointF(v.rettangolo.left(), v.rettangolo.center().y()),
                           QPointF(v.rettangolo.right(), v.rettangolo.center().y()));
            }
        }
    }
    p.setPen(Qt::black);
    for (const auto& t : imp.testi) {
        p.setFont(variante(carattere, t.grassetto, t.piccolo));
        if (!t.verticale) {
            p.drawText(t.rettangolo, static_cast<int>(t.allineamento), t.testo);
            continue;
        }
        // Turned a quarter left, reading upwards, its end against the axis.
        p.save();
        p.translate(t.rettangolo.left(), t.rettangolo.top());
        p.rotate(-90);
        p.drawText(QRectF(-t.rettangolo.height(), 0, t.rettangolo.height(), t.rettangolo.width()),
                   static_cast<int>(t.allineamento), t.testo);
        p.restore();
    }
    p.restore();
}

void Grafico::paintEvent(QPaintEvent*) {
    QPainter p(this);
    disegna(p, rect(), font());
}

QImage Grafico::immagine() const {
    const qreal rapporto = devicePixelRatioF();
    QImage img((QSizeF(size()) * rapporto).toSize(), QImage::Format_ARGB32);
    img.setDevicePixelRatio(rapporto);
    QPainter p(&img);
    disegna(p, rect(), font());
    return img;
}

void Grafico::stampa(QPrinter& stampante) const {
    QPainter p(&stampante);
    const QRectF pagina = stampante.pageLayout().paintRectPixels(stampante.resolution());
    // Laid out as on a wide screen and scaled to the page, so that texts keep their proportion.
    const double larghezza = 1100;
    const double scala = pagina.width() / larghezza;
    const double altezza = std::min(pagina.height() / scala, larghezza * 0.6);
    p.scale(scala, scala);
    QFont carattere = font();
    carattere.setPixelSize(13);
    disegna(p, QRectF(0, 0, larghezza, altezza), carattere);
}

void Grafico::copia() const {
    QGuiApplication::clipboard()->setImage(immagine());
}

void Grafico::stampaConDialogo() {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    if (dialogo.exec() == QDialog::Accepted) stampa(stampante);
}

int Grafico::barraSotto(const QPointF& punto) const {
    if (dati_.elementi.empty() || !aBarre(dati_)) return -1;
    const ImpaginazioneGrafico imp = impagina(rect(), font());
    if (!imp.piano.contains(punto)) return -1;
    const auto i = static_cast<int>((punto.x() - imp.piano.left()) / imp.piano.width() *
                                    static_cast<double>(dati_.elementi.size()));
    return std::clamp(i, 0, static_cast<int>(dati_.elementi.size()) - 1);
}

QString Grafico::testoSotto(const QPointF& punto) const {
    QStringList righe;
    if (aBarre(dati_)) {
        const int i = barraSotto(punto);
        if (i < 0) return {};
        righe << dati_.elementi[static_cast<std::size_t>(i)];
        for (const SerieGrafico& s : dati_.serie)
            if (static_cast<std::size_t>(i) < s.y.size())
                righe << QStringLiteral("%1: %2").arg(s.nome, numero(s.y[static_cast<std::size_t>(i)], dati_.decimali));
        if (dati_.caso)
            righe << (dati_.caso->sigma > 0
                          ? QStringLiteral("%1 (%2)").arg(testoCaso(*dati_.caso), testoFascia(*dati_.caso))
                          : testoCaso(*dati_.caso));
        return righe.join('\n');
    }
    const ImpaginazioneGrafico imp = impagina(rect(), font());
    if (!imp.piano.contains(punto)) return {};
    const double x = imp.minimoX + (punto.x() - imp.piano.left()) / imp.piano.width() * (imp.massimoX - imp.minimoX);
    QString didascalia;
    for (const SerieGrafico& s : dati_.serie) {
        if (s.x.empty() || x < s.x.front() || x > s.x.back()) continue;
        // The nearest point of the series.
        auto dopo = std::lower_bound(s.x.begin(), s.x.end(), x);
        if (dopo == s.x.end() || (dopo != s.x.begin() && x - *(dopo - 1) < *dopo - x)) --dopo;
        const auto i = static_cast<std::size_t>(dopo - s.x.begin());
        if (didascalia.isEmpty() && i < s.didascalie.size()) didascalia = s.didascalie[i];
        righe << QStringLiteral("%1: %2").arg(s.nome, numero(s.y[i], dati_.decimali));
    }
    if (righe.isEmpty()) return {};
    if (!didascalia.isEmpty()) righe.prepend(didascalia);
    return righe.join('\n');
}

bool Grafico::event(QEvent* evento) {
    if (evento->type() != QEvent::ToolTip) return QWidget::event(evento);
    auto* aiuto = static_cast<QHelpEvent*>(evento);
    const QString testo = testoSotto(aiuto->pos());
    if (testo.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(aiuto->globalPos(), testo, this);
    return true;
}

void Grafico::mousePressEvent(QMouseEvent* evento) {
    const int barra = evento->button() == Qt::LeftButton ? barraSotto(evento->position()) : -1;
    if (barra >= 0) emit barraCliccata(barra);
    QWidget::mousePressEvent(evento);
}

}  // namespace quorvane
