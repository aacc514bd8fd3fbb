#pragma once
// One run of the program: the session, the start-up window and, after PROCEDI, the main window.
#include <QApplication>
#include <QString>
#include <memory>

#include "core/Data.h"

namespace quorvane {

class FinestraPrincipale;
class FinestraInizio;
class Sessione;

class Programma {
public:
    // Italian texts for Qt's own buttons ("Sì", "No", "Annulla") and the program's name.
    static void preparaApplicazione(QApplication& app);
    static Data oggi();

    // Opens the data folder (creating it and its files on the first run) and the start-up
    // window, shown. Null, with an Italian message, when the program database is unusable.
    static std::unique_ptr<Programma> avvia(const QString& cartellaDati, QString* errore);
    ~Programma();

    Sessione& sessione() { return *sessione_; }
    FinestraInizio* inizio() { return inizio_.get(); }
    // Null until the archive has been loaded.
    FinestraPrincipale* finestraPrincipale() { return principale_.get(); }

private:
    Programma() = default;
    std::unique_ptr<Sessione> sessione_;
    std::unique_ptr<FinestraPrincipale> principale_;
    std::unique_ptr<FinestraInizio> inizio_;
};

}  // namespace quorvane
