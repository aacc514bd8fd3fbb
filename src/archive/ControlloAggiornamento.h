#pragma once
// The update check: each row of an update file against the stored draws, and what
// "AGGIORNAMENTO" then writes.
#include <array>
#include <string>
#include <vector>

#include "archive/FileAggiornamento.h"
#include "core/ArchivioEstrazioni.h"
#include "core/Data.h"

namespace quorvane {

enum class StatoRiga {
    Mancante,    // the date is not in the archive: a draw to add
    Uguale,      // stored with the same eleven wheels
    Diversa,     // stored, at least one wheel differs
    Malformata,  // a date or a wheel block that is no valid text: never written
};

struct ControlloRiga {
    StatoRiga stato = StatoRiga::Mancante;
    std::array<bool, NumRuote> ruotaUguale{};  // meaningful for Uguale and Diversa
    std::array<bool, NumRuote> ruotaValida{};
    bool dataValida = false;
    std::string voce;  // its line among righeSegnalate, empty for Uguale
};

struct ControlloAggiornamento {
    std::vector<ControlloRiga> righe;         // one per row of the file, in file order
    std::vector<std::string> righeSegnalate;  // List4: rows reported from the last to the first
    int errori = 0;
};

// Compares every row with the stored draws (as the archive database yields them, dates as
// "GG/MM/AAAA"), going from the last row to the first. Wheels are compared as stored texts:
// a block equals its field only when the texts are the same, except that a blank block
// equals any field holding no number.
ControlloAggiornamento ConfrontoAggiornamento(const std::vector<RigaAggiornamento>& righe,
                                              const std::vector<RigaArchivio>& archivio,
                                              const Avanzamento& avanzamento = {});

struct ScritturaEstrazione {
    bool aggiunta = true;  // false: a correction of a stored draw
    Data data;
    std::array<std::string, NumRuote> ruote;  // the texts to store
};

// The writes of "AGGIORNAMENTO" in file order: every missing draw and, when `correggi`, every
// draw found different. Malformed rows are never among them.
std::vector<ScritturaEstrazione> pianoAggiornamento(const std::vector<RigaAggiornamento>& righe,
                                                    const ControlloAggiornamento& controllo, bool correggi);

}  // namespace quorvane
