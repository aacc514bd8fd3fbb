#include "core/ui/Grafico.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
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
// `testo` turned a quarter left in `r`, reading upwards; `allineamento` as for the level text.
// Written level into an image at the device's resolution and the image turned: the glyphs that
// the font engine turns itself came out clipped on one side under Wine.
void testoVerticale(QPainter& p, const QRectF& r, Qt::Alignment allineamento, const QString& testo) {
    const QSizeF livello(r.height(), r.width());
    const qreal scala = std::max(1.0, std::sqrt(std::abs(p.deviceTransform().determinant())));
    QImage img((livello * scala).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scala);
    img.fill(Qt::transparent);
    QPainter q(&img);
    q.setFont(p.font());
    q.setPen(p.pen());
    q.drawText(QRectF(QPointF(0, 0), livello), static_cast<int>(allineamento), testo);
    q.end();
    p.save();
    p.translate(r.left(), r.top());
    p.rotate(-90);
    p.drawImage(QRectF(QPointF(-livello.width(), 0), livello), img);
    p.restore();
}

const QColor ColoreGriglia(225, 225, 225);
const QColor ColoreAssi(90, 90, 90);

}  // namespace

Grafico::Grafico(QWidget* padre) : QWidget(padre) {
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
        if (s.x.size() == 1) {  // a single point has no line to show it
            p.drawEllipse(QPointF(imp.x(s.x[0]), imp.y(s.y[0])), 2, 2);
            continue;
        }
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
        p.setFont(carattereTesto(carattere, t));
        if (!t.verticale) {
            p.drawText(t.rettangolo, static_cast<int>(t.allineamento) | (t.aCapo ? Qt::TextWordWrap : 0), t.testo);
            continue;
        }
        // Turned a quarter left, reading upwards, its end against the axis.
        testoVerticale(p, t.rettangolo, t.allineamento, t.testo);
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

void Grafico::disegnaPagina(QPainter& p, const QSizeF& pagina) const {
    const double larghezza = 1100;
    const double scala = pagina.width() / larghezza;
    const double altezza = std::min(pagina.height() / scala, larghezza * 0.6);
    p.save();
    p.scale(scala, scala);
    QFont carattere = font();
    carattere.setPixelSize(13);
    disegna(p, QRectF(0, 0, larghezza, altezza), carattere);
    p.restore();
}

void Grafico::stampa(QPrinter& stampante) const {
    QPainter p(&stampante);
    disegnaPagina(p, stampante.pageLayout().paintRectPixels(stampante.resolution()).size());
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
    if (dati_.elementi.empty() || !dati_.aBarre()) return -1;
    const ImpaginazioneGrafico imp = impagina(rect(), font());
    if (!imp.piano.contains(punto)) return -1;
    const auto i = static_cast<int>((punto.x() - imp.piano.left()) / imp.piano.width() *
                                    static_cast<double>(dati_.elementi.size()));
    return std::clamp(i, 0, static_cast<int>(dati_.elementi.size()) - 1);
}

QString Grafico::testoSotto(const QPointF& punto) const {
    QStringList righe;
    if (dati_.aBarre()) {
        const int i = barraSotto(punto);
        if (i < 0) return {};
        righe << dati_.elementi[static_cast<std::size_t>(i)];
        for (const SerieGrafico& s : dati_.serie)
            if (static_cast<std::size_t>(i) < s.y.size())
                righe << QStringLiteral("%1: %2").arg(
                    s.nome, testoValoreGrafico(s.y[static_cast<std::size_t>(i)], dati_.decimali));
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
        righe << QStringLiteral("%1: %2").arg(s.nome, testoValoreGrafico(s.y[i], dati_.decimali));
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
