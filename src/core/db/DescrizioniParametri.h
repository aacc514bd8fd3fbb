#pragma once
// What each parameter row means, in a few Italian words, for the windows that list the rows
// beside their stored names.
#include <QString>

namespace quorvane {

// Registered by the feature that owns the row, before the first start; a second registration
// of the same name replaces the first. The rows of the core are known already.
void registraDescrizioneParametro(const QString& nome, const QString& descrizione);
// The meaning of a row whatever the letter case of its name; empty when none is known.
QString descrizioneParametro(const QString& nome);

}  // namespace quorvane
