#pragma once
// The index analysis the player is working on and its forecast list, kept in the program
// database as they change (AnalisiInCorso, PrevisioniInCorso): closing the window or the
// program loses nothing, and the next start takes the work up again.
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "index/AnalisiIndice.h"

namespace quorvane {

struct LavoroIndice {
    // The date of the end draw of the model draws, when there is an analysis.
    std::optional<Data> fine;
    // Presenze, NumeroColpi, Mensile, forzaUltima, fineAllaSelezionata and RuoteSel.
    AnalisiIndice opzioni;
    // N°, sorte, numbers and whether active; the rest is verified again when taken up.
    std::vector<Previsione> previsioni;
};

// Gives the program database the two tables of the work in progress.
void registraTabelleLavoro();

// Replaces the stored work in one transaction: whole or not at all.
bool salvaLavoro(QSqlDatabase& db, const LavoroIndice& lavoro, QString* errore);

// The stored work; rows that cannot be a forecast are left out, at most nine are read.
std::optional<LavoroIndice> leggiLavoro(QSqlDatabase& db, QString* errore);

}  // namespace quorvane
