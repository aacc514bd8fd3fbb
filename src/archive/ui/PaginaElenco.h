#pragma once
// Page "Elenco estrazioni": the stored draws as the last load read them, and the choice of one
// of them as the current draw.
#include <QWidget>
#include <vector>

#include "core/ArchivioEstrazioni.h"

class QLabel;

namespace quorvane {

class VistaGriglia;

class PaginaElenco : public QWidget {
    Q_OBJECT
public:
    explicit PaginaElenco(QWidget* padre = nullptr);

    // The stored draws, shown up to the newest.
    void mostraEstrazioni(const std::vector<RigaArchivio>& righe);
    void adattaColonne();
    // The page's width that shows every column of the list, the date and the 11 wheels.
    int larghezzaPiena() const;

signals:
    // "Selezione estrazione": the draw of the row chosen and its date text.
    void estrazioneScelta(int estrazione, const QString& data);

private:
    void selezionaEstrazione();

    VistaGriglia* tabellaEstrazioni_;  // FgDB
    QLabel* numeroEstrazioni_;         // Label9
};

}  // namespace quorvane
