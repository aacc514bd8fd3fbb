#pragma once
#include <QString>

namespace quorvane {

// The per-user folder of the program's files (program database, demonstration archive),
// created when missing.
QString cartellaDati();

}  // namespace quorvane
