#pragma once
#include <QString>

namespace quorvane {

// Names another data folder, on every platform: tests and users who keep their files elsewhere.
inline constexpr char VariabileCartellaDati[] = "QUORVANE_DATI";

// The per-user folder of the program's files (program database, demonstration archive),
// created when missing: the folder of QUORVANE_DATI when set, Qt's per-user folder otherwise.
QString cartellaDati();

}  // namespace quorvane
