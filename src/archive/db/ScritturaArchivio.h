#pragma once
// Writes to EstrazioniLotto: a draw typed by the user, its correction and deletion, and the
// draws of an update. Dates are bound as "AAAA-MM-GG", the stored key.
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "archive/ControlloAggiornamento.h"
#include "core/Data.h"
#include "core/db/DatabaseArchivio.h"

namespace quorvane {

using TestiRuote = std::array<std::string, NumRuote>;

enum class EsitoScrittura { Fatta, NonTrovata, GiaPresente, Errore };

// A new draw; nothing is written when its date is already stored.
EsitoScrittura aggiungiEstrazione(DatabaseArchivio& db, const Data& data, const TestiRuote& ruote, QString* errore);
// The wheels of a stored draw; its date stays.
EsitoScrittura modificaEstrazione(DatabaseArchivio& db, const Data& data, const TestiRuote& ruote, QString* errore);
EsitoScrittura eliminaEstrazione(DatabaseArchivio& db, const Data& data, QString* errore);

struct EsitoAggiornamento {
    // The check the writes followed, made inside the write against the archive as it was then.
    ControlloAggiornamento controllo;
    // For List4: "Aggiunta estrazione del ..." and "Modificata estrazione del ...".
    std::vector<std::string> righeScritte;
    int aggiunte = 0;
    int modificate = 0;
    QString errore;          // empty when the update was written, the reason (Italian) when none of it was
    std::string dataErrore;  // the draw whose write failed, empty when the failure is not a draw's

    // The failure for the user: what happened, and that nothing was written.
    QString messaggio() const;
};

// Checks `righe` against the archive and writes what the check finds missing (with `correggi`
// also what it finds different), in one transaction that holds the write lock from before the
// check: an update run at the same time by another program comes wholly before or after, and
// its draws are checked as stored. Any failure, a damaged archive included, leaves the archive
// as it was: nothing of the update is written.
EsitoAggiornamento scriviAggiornamento(DatabaseArchivio& db, const std::vector<RigaAggiornamento>& righe,
                                       bool correggi);

}  // namespace quorvane
