#pragma once
// The 55 number boxes of draw entry: what each box accepts, where the keys move the focus,
// the numbers read from the clipboard and the wheel texts a save stores.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Ruote.h"

namespace quorvane {

inline constexpr int NumCaselle = NumRuote * NumPosizioni;  // box i = 5 * (wheel - 1) + position

// Box texts 1..55 at indexes 0..54.
using TestiCaselle = std::array<std::string, NumCaselle>;

// The text a box keeps after a change: "99" stays; a value above 90, a single non-digit or a
// second character that is not a digit empty the box.
std::string filtraCasella(std::string_view testo);

// "0#": one digit gets a leading zero; empty and other texts stay as they are.
std::string formattaCasella(std::string_view testo);

// Value of a box text read as a leading number (0 for empty).
int valoreCasella(std::string_view testo);

enum class Tasto { Invio, Destra, Sinistra, Su, Giu };

// The box the focus moves to (1..55) from box i.
int casellaDestinazione(int casella, Tasto tasto);

// The numbers of a clipboard text, in order: each run of digits is a number, the last one too
// (with or without a space or a line end after it).
std::vector<int> numeriDaAppunti(std::string_view appunti);

// The 55 box texts of a paste, formatted "00"; or, when the text does not hold exactly 55
// numbers from 1 to 90, the reason in Italian and no box.
struct CaselleIncollate {
    TestiCaselle caselle;
    std::string errore;  // empty when the boxes can be filled
};
CaselleIncollate caselleDaAppunti(std::string_view appunti);

// What the calendar doubts of a draw dated `data` about to be stored, in Italian, one sentence
// each: a day that is not a draw day, a draw not held yet (`oggi` at `minuto`, Italian time),
// scheduled draws missing between the archive's draw before it and it. Empty when none.
std::vector<std::string> dubbiCalendario(const ArchivioEstrazioni& archivio, const Data& data, const Data& oggi,
                                         int minuto);

// The eleven wheel texts to store, or the reason the boxes cannot be stored.
struct RuoteInserite {
    std::array<std::string, NumRuote> ruote;
    std::string errore;  // empty when the boxes can be stored
};

// A wheel is stored when its five boxes are all filled with different numbers, all 99 or all
// empty (a wheel not drawn, stored as its four "-"); a wheel filled only in part, a repeated
// number, 99 beside other numbers, a text that is no number or a draw without any number is refused.
RuoteInserite ruoteDaCaselle(const TestiCaselle& caselle);

}  // namespace quorvane
