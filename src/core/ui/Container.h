#pragma once
// The main window's old name, kept only while the archive window still includes it.
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {
using Container = FinestraPrincipale;
}
