#pragma once
// The start-up window's old name, kept only while the archive window still includes it.
#include "core/ui/FinestraInizio.h"

namespace quorvane {
using Inizio = FinestraInizio;
}
