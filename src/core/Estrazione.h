#pragma once
// One draw as a value: its date and the five numbers of each wheel (all 0 for a wheel not drawn).
#include <array>

#include "core/ArchivioEstrazioni.h"
#include "core/Data.h"
#include "core/Ruote.h"

namespace quorvane {

struct Estrazione {
    Data data;
    std::array<CinqueNumeri, NumRuote> ruote{};  // ruote[0] is Bari

    // The stored form: "GG/MM/AAAA" and the eleven wheel texts.
    RigaArchivio riga() const {
        RigaArchivio r;
        r.data = data.testo();
        for (int i = 0; i < NumRuote; ++i) r.ruote[i] = scriviTestoRuota(ruote[i]);
        return r;
    }
};

}  // namespace quorvane
