#pragma once
// string.find, string.match, string.gmatch and string.gsub of a sandbox on SchemaLua: the same
// results as Lua's own, but a pattern's work counts against the run's budget, and a pattern that
// works too long stops the run for it or for "Annulla" naming the function, the pattern and the line.
struct lua_State;

namespace quorvane {

// Replaces the four functions in the string library of `stato`, a SandboxLua's state.
void registraRicerche(lua_State* stato);

}  // namespace quorvane
