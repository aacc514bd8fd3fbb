#pragma once
// The whole archive in the formats of other lottery programs: Dati.iii records, the quoted lines
// of DATI32.III and the Nazionale text. Each walks draws 1..NumEstrazioni() and returns the bytes
// of the whole file; `avanzamento` hears of every tenth draw.
#include <cstddef>
#include <string>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

// Day, month and two-digit year, the fifty numbers of Bari..Venezia as two digits each, then
// ProgMese and ProgAnno; integers little-endian 16-bit. No header: record r holds draw r.
inline constexpr std::size_t LunghezzaRecordDatiIII = 110;

std::string esportaDatiIII(const ArchivioEstrazioni& archivio, const Avanzamento& avanzamento = {});

// One line per draw: a quote, the fifty numbers of Bari..Venezia, AAMMGG, ProgMese and ProgAnno
// as at least two digits, a quote, CR LF.
std::string esportaZendravolta(const ArchivioEstrazioni& archivio, const Avanzamento& avanzamento = {});

// One line per draw with a Nazionale: the draw's index as five digits, "-", the five numbers as
// two digits each, CR LF. Draws without a Nazionale leave a gap in the indexes.
std::string esportaNazionale(const ArchivioEstrazioni& archivio, const Avanzamento& avanzamento = {});

}  // namespace quorvane
