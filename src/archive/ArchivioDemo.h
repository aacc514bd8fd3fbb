#pragma once
// A simulated archive on the real calendar of the game, so that the program works on first run
// before the real archive is imported. Its numbers are random and say nothing about real draws.
#include <cstdint>
#include <vector>

#include "core/Data.h"
#include "core/Estrazione.h"

namespace quorvane {

inline constexpr std::uint32_t SemeArchivioDemo = 19390107;

// First draw of the game, first draw with the Nazionale wheel.
inline constexpr Data PrimaEstrazioneLotto{1939, 1, 7};
inline constexpr Data PrimaEstrazioneNazionale{2005, 5, 4};

// Draw days of the game: Saturdays from 1939; Wednesdays and Saturdays from 1997; Tuesdays,
// Thursdays and Saturdays from 4 May 2005, which was itself a draw (a Wednesday).
bool giornoEstrazioneLotto(const Data& giorno);

// Every draw day from the first draw up to the day before `oggi`, in date order; the same seed
// gives the same draws on every platform, and a later `oggi` only appends draws.
std::vector<Estrazione> generaArchivioDemo(const Data& oggi, std::uint32_t seme = SemeArchivioDemo);

}  // namespace quorvane
