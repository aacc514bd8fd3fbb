#pragma once
// The names the player gives to what is kept (lists, configurations), compared as the player
// reads them: spaces around them, letter case and the Unicode form of a letter do not count.
#include <QString>
#include <optional>

namespace quorvane {

// The name as it is stored: trimmed, in composed form; nullopt when nothing visible is left
// (only spaces, format or control characters).
std::optional<QString> nomeVisibile(const QString& nome);

// Two names are the same name when their keys are equal (invisible characters left out).
QString chiaveNome(const QString& nome);

}  // namespace quorvane
