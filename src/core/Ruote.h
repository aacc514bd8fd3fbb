#pragma once
// Wheels of the Lotto and the text form of the five numbers of one wheel.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr int NumRuote = 11;     // BA..NZ, numbered 1..11
inline constexpr int NumPosizioni = 5;  // numbers drawn on one wheel
inline constexpr int NumeroMassimo = 90;
inline constexpr int RuotaTutte = 12;  // index of "TU" in SiglaRuota

// SiglaRuota(1..12): index 0 is empty so that wheel numbers index it directly.
inline constexpr std::array<std::string_view, 13> SiglaRuota = {"",   "BA", "CA", "FI", "GE", "MI", "NA",
                                                                "PA", "RO", "TO", "VE", "NZ", "TU"};

inline constexpr std::array<std::string_view, 12> NomeRuota = {"",       "Bari",   "Cagliari", "Firenze",
                                                               "Genova", "Milano", "Napoli",   "Palermo",
                                                               "Roma",   "Torino", "Venezia",  "Nazionale"};

// Database columns of the wheels, in wheel order.
inline constexpr std::array<std::string_view, 12> ColonnaRuota = {"",   "Ba", "Ca", "Fi", "Ge", "Mi",
                                                                  "Na", "Pa", "Ro", "To", "Ve", "Nz"};

using CinqueNumeri = std::array<std::int16_t, NumPosizioni>;

// Wheel number 1..12 of a code ("TU" is 12), whatever its letter case.
std::optional<int> ruotaDaSigla(std::string_view sigla);

// Reads the number at characters 1, 4, 7, 10 and 13 of a wheel text; a piece that is missing
// or does not start with a digit gives 0, as a leading numeric reading does.
CinqueNumeri leggiTestoRuota(std::string_view testo);

// The one rule for a wheel text read from an archive: five different numbers 1..90 written as
// "05-12-33-47-89", or a wheel not drawn (all zero): the empty text, "----" (draw entry's blank
// wheel) or all five numbers written 00 or 99. None for anything else.
std::optional<CinqueNumeri> leggiRuotaArchivio(std::string_view testo);

// "05-12-33-47-89"; an all-zero wheel (not drawn) gives the empty text.
std::string scriviTestoRuota(const CinqueNumeri& numeri);

}  // namespace quorvane
