#pragma once
// "Verifica previsione": the twenty draws after a model draw, each with the forecasts that came
// out in it.
#include <QWidget>

#include "index/Verifica.h"

namespace quorvane {

class VistaGriglia;

class FinestraVerificaPrevisione : public QWidget {
    Q_OBJECT
public:
    explicit FinestraVerificaPrevisione(QWidget* padre = nullptr);
    void mostra(const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi);
    // The same, without bringing the window forward.
    void aggiorna(const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi);

private:
    VistaGriglia* tabellaVerifica_;
};

}  // namespace quorvane
