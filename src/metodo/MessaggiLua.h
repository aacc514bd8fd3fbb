#pragma once
// Lua's own error messages in Italian, with the position it writes before them taken out.
#include <string_view>

#include "metodo/SandboxLua.h"

namespace quorvane {

inline constexpr const char* MessaggioMemoria = "memoria esaurita: un metodo può usare al massimo 64 MB";
inline constexpr const char* MessaggioIstruzioni = "superato il limite di istruzioni per prova (un ciclo senza fine?)";
inline constexpr const char* MessaggioAnnullata = "prova annullata";

// "metodo:12: attempt to index a nil value (global 'x')" gives line 12 and "accesso a un campo di
// un valore nil (globale 'x')"; without a position, `riga`. Messages Lua does not write pass
// through unchanged.
ErroreLua messaggioLua(std::string_view testo, int riga);

}  // namespace quorvane
