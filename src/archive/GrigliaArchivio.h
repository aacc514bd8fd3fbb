#pragma once
// The grids of the archive window, shared with the command line: the stored draws (FgDB) and
// the update rows with the marks of the check (FgImporta).
#include <vector>

#include "archive/ControlloAggiornamento.h"
#include "archive/FileAggiornamento.h"
#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

// FgDB: row r is draw r, column 1 the date, columns 2..12 the stored wheel texts.
void riempiEstrazioniMemorizzate(Griglia& elenco, const std::vector<RigaArchivio>& righe);

// A click on FgDB: every data cell white, then the clicked row yellow.
void evidenziaEstrazione(Griglia& elenco, int riga);

// FgImporta: the rows of an update file, without marks.
void riempiRigheImportate(Griglia& importate, const std::vector<RigaAggiornamento>& righe);

// The marks of a check: light orange date for a missing draw, light green wheels equal to the
// archive, red bold date for a draw that differs, red background on the invalid cells of a
// malformed row.
void segnaControllo(Griglia& importate, const ControlloAggiornamento& controllo);

}  // namespace quorvane
