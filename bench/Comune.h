#pragma once
// What every benchmark program shares: the real archive beside the repository, a scratch data
// folder for the windows, and medians by default.
#include <QString>
#include <QTemporaryDir>

#include "core/ArchivioEstrazioni.h"

namespace quorvane::bench {

// The official historical file (QUORVANE_STORICO in the environment points at another copy).
QString fileStorico();

// The real archive read into memory once; null when the file is absent.
const ArchivioEstrazioni* archivioReale();

// The offscreen platform and a data folder that is not the user's, set before the application
// object is made; the folder goes with this object.
class AmbienteDiProva {
public:
    AmbienteDiProva();

private:
    QTemporaryDir dati_;
};

// Runs the registered benchmarks: ten repetitions and aggregates only unless the command line
// says otherwise.
int eseguiConMediane(int argc, char** argv);

}  // namespace quorvane::bench
