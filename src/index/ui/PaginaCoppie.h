#pragma once
// "Coppie": the pairs ranked by the model rows they cover ("ELABORA"), and the numbers that go
// best with a forecast.
#include <QWidget>
#include <utility>
#include <vector>

#include "index/ui/ContestoIndice.h"

namespace quorvane {

class VistaGriglia;

class PaginaCoppie : public QWidget {
    Q_OBJECT
public:
    PaginaCoppie(ContestoIndice& contesto, QWidget* padre = nullptr);

    void elabora();
    void mostra();
    // The companions of a forecast, each with its score; none empties the table.
    void mostraAbbinamenti(const std::vector<std::pair<int, int>>& abbinamenti);

signals:
    // "Aggiunge previsione" on the selected pair.
    void coppiaScelta(int primo, int secondo);
    // "Cerca numero con maggiore abbinamento" for the selected forecast.
    void abbinamentoRichiesto();

private:
    void sceltaCoppia();

    ContestoIndice& contesto_;
    VistaGriglia* tabellaCoppie_;       // Fg9090
    VistaGriglia* tabellaAbbinamenti_;  // FgAbb
};

}  // namespace quorvane
