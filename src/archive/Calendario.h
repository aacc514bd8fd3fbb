#pragma once
// The draw calendar of one year (calendario): a row per month with draws, a column per day of the
// month that had a draw in that year, the draw's weekday in the cell.
#include <optional>
#include <string>
#include <vector>

#include "core/Data.h"
#include "core/Griglia.h"

namespace quorvane {

inline constexpr int PrimoAnnoCalendario = 1939;

// Row 0 "A", "M" and the day numbers; column 1 the year (bold, light yellow), column 2 the
// month (bold, light green), then 1 = Sunday .. 7 = Saturday where a draw took place. Draws of
// other years in `date` are left out. The current cell is the latest draw of the last month.
void riempiCalendario(Griglia& calendario, int anno, const std::vector<Data>& date);

// The weekday numbers of the day cells as letters: D L M m G V S.
void lettereGiorniSettimana(Griglia& calendario);

// The date of a clicked day cell, as text and as a date; nothing for the header, the year and
// month columns, and a day the month does not have.
struct GiornoCalendario {
    std::string testo;  // "GG/MM/AAAA"
    Data data;
};
std::optional<GiornoCalendario> giornoCella(const Griglia& calendario, int riga, int colonna);

}  // namespace quorvane
