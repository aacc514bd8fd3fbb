#pragma once
// Choosing a draw by the index or the date the user types.
#include <optional>
#include <string_view>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

// The last draw a window may move to: UltimaEstrazione, never past the draws in memory.
int ultimaEstrazione(const ArchivioEstrazioni& archivio);

// A whole number of at most six digits, spaces around it allowed; anything else is nullopt.
std::optional<int> numeroDigitato(std::string_view testo);

// A whole number from 1 to the last draw; anything else is nullopt.
std::optional<int> indiceDigitato(const ArchivioEstrazioni& archivio, std::string_view testo);

// After a reload: the draw of date `data` when the archive still holds it, else the last draw.
int estrazioneRitrovata(const ArchivioEstrazioni& archivio, std::string_view data);

// The draw whose date is nearest to `data` (the earlier of two as near); 0 in an empty archive.
int estrazionePiuVicina(const ArchivioEstrazioni& archivio, const Data& data);

// The first draw whose date text is exactly `testo` ("GG/MM/AAAA": 1/3/2024 is not 01/03/2024).
std::optional<int> estrazioneDellaData(const ArchivioEstrazioni& archivio, std::string_view testo);

}  // namespace quorvane
