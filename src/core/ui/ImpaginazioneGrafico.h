#pragma once
// Where each part of a chart goes in a rectangle: the plot, the scales and their ticks, the
// legend, every text. Shared by the drawing, the tooltip and the clicks, and read by the tests.
#include <QFont>
#include <QRectF>
#include <vector>

#include "core/ui/DatiGrafico.h"

namespace quorvane {

inline const QColor ColoreCaso(200, 30, 30);
inline const QColor ColoreFascia(220, 60, 60, 45);

struct ImpaginazioneGrafico {
    struct Testo {
        QRectF rettangolo;  // for a vertical text, the rectangle it covers once turned
        QString testo;
        Qt::Alignment allineamento = Qt::AlignCenter;
        bool verticale = false;
        bool grassetto = false;
        bool piccolo = false;
        bool aCapo = false;  // a text too long for the width goes on between words
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

// The vertical scale spans every value, the chance's band and 0, in ticks of 1, 2 or 5 times a
// power of ten at least 40 pixels apart; the names under the bars lie across when they fit, else
// upright, else every k-th, never over each other.
ImpaginazioneGrafico impaginaGrafico(const DatiGrafico& dati, const QRectF& area, const QFont& carattere);
// The font of a text of the chart: bold for the title, smaller for the names under the bars.
QFont carattereTesto(const QFont& base, const ImpaginazioneGrafico::Testo& testo);

}  // namespace quorvane
