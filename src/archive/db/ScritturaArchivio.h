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
    std::vector<std::string> righeScritte;  // for List4: "Aggiunta estrazione del..." and "Modificata estrazione del..."
    int aggiunte = 0;
    int modificate = 0;
    QString errore;          // empty when the update was written, the reason (Italian) when none of it was
    std::string dataErrore;  // the draw whose write failed, empty when the failure is not a draw's

    // The failure for the user: what happened, and that nothing was written.
    QString messaggio() const;
};

// Writes in order, in one transaction; a missing draw is added only when its date is still free
// and a correction made only when the date is stored. Any failure, a damaged archive included,
// leaves the archive as it was: nothing of the update is written.
EsitoAggiornamento scriviAggiornamento(DatabaseArchivio& db, const std::vector<ScritturaEstrazione>& piano);

}  // namespace quorvane
