#pragma once
// A player's method written in Lua 5.4: the script defines `function metodo(t)`, called at each
// point with the draws 1..t readable through ApiMetodo, and returns nil (no play) or
// {numeri = {...}, sorte = S, ruote = {"BA", ...}}. Each run has a sandbox of its own.
#include <string>

#include "index/MetodoProprio.h"
#include "metodo/SandboxLua.h"

namespace quorvane {

class MetodoLua final : public MetodoProprio {
public:
    // Throws ErroreMetodo when the text does not compile.
    explicit MetodoLua(std::string testo, long long istruzioni = SandboxLua::IstruzioniMassime);

    SceltePunti scegli(const ContestoMetodo& contesto) const override;
    std::string impronta() const override { return testo_; }

private:
    std::string testo_;
    long long istruzioni_;
};

}  // namespace quorvane
