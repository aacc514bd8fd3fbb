#pragma once
// The program's one chart: bars over named items or lines over a numeric axis, with what chance
// gives as a line and a band of two standard deviations around it. What it draws is plain data
// (DatiGrafico) that the windows fill from engine results; the widget lays it out, draws it on
// screen, on the clipboard and on paper, and names the figure under the pointer.
#include <QWidget>

#include "core/ui/ImpaginazioneGrafico.h"

class QPainter;
class QPrinter;

namespace quorvane {

class Grafico : public QWidget {
    Q_OBJECT
public:
    explicit Grafico(QWidget* padre = nullptr);

    void mostra(DatiGrafico dati);
    void svuota() { mostra({}); }
    const DatiGrafico& dati() const { return dati_; }

    ImpaginazioneGrafico impagina(const QRectF& area, const QFont& carattere) const {
        return impaginaGrafico(dati_, area, carattere);
    }
    void disegna(QPainter& p, const QRectF& area, const QFont& carattere) const;
    QImage immagine() const;  // the chart at the widget's size, what "Copia grafico" copies
    // Laid out as on a wide screen and scaled to the width of the page, so that texts keep their
    // proportion whatever the resolution of the printer.
    void disegnaPagina(QPainter& p, const QSizeF& pagina) const;
    void stampa(QPrinter& stampante) const;
    // The bar under a point of the widget, or -1.
    int barraSotto(const QPointF& punto) const;
    // The figures under a point of the widget; empty where there are none.
    QString testoSotto(const QPointF& punto) const;

    void copia() const;
    void stampaConDialogo();

signals:
    void barraCliccata(int barra);

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    DatiGrafico dati_;
};

}  // namespace quorvane
