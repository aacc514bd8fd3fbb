#pragma once
// The calendar of the game: on which days the draws are held and how many of them an archive
// lacks at a given moment.
#include "core/Data.h"

namespace quorvane {

// First draw of the game, first draw with the Nazionale wheel, first Friday draw.
inline constexpr Data PrimaEstrazioneLotto{1939, 1, 7};
inline constexpr Data PrimaEstrazioneNazionale{2005, 5, 4};
inline constexpr Data PrimaEstrazioneVenerdi{2023, 7, 7};
// The draws are held at 20:00, Italian time.
inline constexpr int MinutoEstrazione = 20 * 60;

// Draw days of the game: Saturdays from 1939; Wednesdays and Saturdays from 1997; Tuesdays,
// Thursdays and Saturdays from 4 May 2005, which was itself a draw (a Wednesday); Fridays too
// from 7 July 2023. A holiday moves its draw to another day, which this calendar does not know.
bool giornoEstrazioneLotto(const Data& giorno);

// The draws of the calendar held on the days strictly between `prima` and `dopo`.
int estrazioniInCalendarioTra(const Data& prima, const Data& dopo);

// The draws of the calendar held after the day `ultima` up to `oggi` at `minuto` (minutes past
// midnight, Italian time): today's counts from 20:00.
int estrazioniMancanti(const Data& ultima, const Data& oggi, int minuto);

}  // namespace quorvane
