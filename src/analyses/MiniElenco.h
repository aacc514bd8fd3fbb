#pragma once
// The mini list: one draw at a time, with marks the user puts on its numbers.
#include <array>
#include <string>

#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

class MiniElenco {
public:
    // Shows draw v: every mark is cleared.
    void mostra(int estrazione);
    int estrazione() const { return estrazione_; }
    // The same draw at another index of a reloaded archive: the marks stay.
    void spostaEstrazione(int estrazione) { estrazione_ = estrazione; }

    // A click on a number cell (wheel 1..11, position 1..5) turns its mark on or off.
    void segna(int ruota, int posizione);
    bool segnato(int ruota, int posizione) const;
    void cancellaSegni() { segni_.fill(false); }

    // Fg2: the wheel codes (bold) and the five numbers of each wheel, marks in green.
    void riempiTabella(Griglia& tabella, const ArchivioEstrazioni& archivio) const;

    // Label3: "PM=" ordinal in the month, "   PA=" ordinal in the year.
    std::string progressivi(const ArchivioEstrazioni& archivio) const;

private:
    static bool valida(int ruota, int posizione) {
        return ruota >= 1 && ruota <= NumRuote && posizione >= 1 && posizione <= NumPosizioni;
    }
    int estrazione_ = 0;
    std::array<bool, NumRuote * NumPosizioni> segni_{};
};

}  // namespace quorvane
