#pragma once
// The program's one chart: bars over named items or lines over a numeric axis, with what chance
// gives as a line and a band of two standard deviations around it. What it draws is plain data
// (DatiGrafico) that the windows fill from engine results; the widget lays it out, draws it on
// screen, on the clipboard and on paper, and names the figure under the pointer.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

namespace quorvane {

struct SerieGrafico {
    enum class Forma { Barre, Linea, LineaTratteggiata };
    QString nome;  // in the legend and the tooltip
    Forma forma = Forma::Barre;
    QColor colore = QColor(70, 110, 170);
    std::vector<double> x;  // lines: the abscissas, increasing; bars: none, bar i stands on item i
    std::vector<double> y;
    std::vector<QString> didascalie;  // lines: what each point is (a date), for the tooltip
};

// What chance gives every item: a line at `valore`, a band from valore - 2σ to valore + 2σ.
struct CasoGrafico {
    double valore = 0;
    double sigma = 0;  // 0: no band
    // The lowest value the figure can take (0 for a count or a delay): the band stops there.
    std::optional<double> minimo;

    double sotto() const { return minimo ? std::max(*minimo, valore - 2 * sigma) : valore - 2 * sigma; }
    double sopra() const { return valore + 2 * sigma; }
};

struct DatiGrafico {
    QString titolo;
    std::vector<QString> elementi;  // bar charts: the name under each bar, left to right
    std::vector<SerieGrafico> serie;
    std::optional<CasoGrafico> caso;
    int decimali = 0;         // of the values in the tooltip
    double passoMinimoX = 0;  // lines: the smallest step between two ticks (1 for years)
    bool vuoto() const { return serie.empty(); }
};

// Each item's distance from chance in standard deviations, (observed - expected) / sigma, with
// the band from -2 to 2 where chance puts about 95 items in 100.
DatiGrafico datiScarto(const QString& titolo, std::vector<QString> elementi, std::vector<double> scarti);

// Where each part of a chart goes in a rectangle, shared by the drawing, the tooltip and the clicks.
struct ImpaginazioneGrafico {
    struct Testo {
        QRectF rettangolo;  // for a vertical text, the rectangle it covers once turned
        QString testo;
        Qt::Alignment allineamento = Qt::AlignCenter;
        bool verticale = false;
        bool grassetto = false;
        bool piccolo = false;
    };
    enum class Campione { Barra, Linea, Tratteggio, Fascia };
    struct VoceLegenda {
        QRectF rettangolo;
        Campione campione;
        QColor colore;
    };
    QRectF piano;  // where values are drawn
    double minimoY = 0, massimoY = 1, passoY = 1;
    double minimoX = 0, massimoX = 1, passoX = 1;  // lines only
    std::vector<Testo> testi;                      // every text drawn: title, legend, ticks, names of the items
    std::vector<VoceLegenda> legenda;

    double y(double valore) const {
        return piano.bottom() - (valore - minimoY) / (massimoY - minimoY) * piano.height();
    }
    double x(double valore) const { return piano.left() + (valore - minimoX) / (massimoX - minimoX) * piano.width(); }
};

class Grafico : public QWidget {
    Q_OBJECT
public:
    explicit Grafico(QWidget* padre = nullptr);

    void mostra(DatiGrafico dati);
    void svuota() { mostra({}); }
    const DatiGrafico& dati() const { return dati_; }

    ImpaginazioneGrafico impagina(const QRectF& area, const QFont& carattere) const;
    void disegna(QPainter& p, const QRectF& area, const QFont& carattere) const;
    QImage immagine() const;  // the chart at the widget's size, what "Copia grafico" copies
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
