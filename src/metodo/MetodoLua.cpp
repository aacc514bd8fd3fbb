#include "metodo/MetodoLua.h"

#include <cstdio>
#include <lua.hpp>

#include "metodo/ApiMetodo.h"

namespace quorvane {

namespace {

// Stops the run for what metodo returned, naming the line of its return.
[[noreturn]] void ritornoErrato(lua_State* stato, const char* formato, long long valore = 0, long long altro = 0) {
    char testo[256];
    std::snprintf(testo, sizeof testo, formato, valore, altro);
    SandboxLua& sandbox = SandboxLua::daStato(stato);
    sandbox.interrompi(testo, sandbox.rigaRitorno());
}

// A whole number at the top of the stack, or the error `formato` about it.
int interoInCima(lua_State* stato, const char* formato) {
    int intero = 0;
    const lua_Integer n = lua_tointegerx(stato, -1, &intero);
    if (lua_type(stato, -1) != LUA_TNUMBER || !intero) ritornoErrato(stato, formato);
    return static_cast<int>(n);
}

void leggiNumeri(lua_State* stato, SceltaMetodo& scelta) {
    if (lua_getfield(stato, 1, "numeri") != LUA_TTABLE)
        ritornoErrato(stato, "la giocata restituita non ha numeri: {numeri = {...}, sorte = S}");
    const long long quanti = static_cast<long long>(lua_rawlen(stato, -1));
    if (quanti < 1 || quanti > SceltaMetodo::MaxNumeri)
        ritornoErrato(stato, "una giocata ha da 1 a 10 numeri, non %lld", quanti);
    Maschera90 visti;
    for (int k = 1; k <= quanti; ++k) {
        lua_rawgeti(stato, -1, k);
        const int n = interoInCima(stato, "i numeri della giocata devono essere interi");
        lua_pop(stato, 1);
        if (n < 1 || n > NumeroMassimo) ritornoErrato(stato, "il numero giocato %lld non è tra 1 e 90", n);
        if (visti.contiene(n)) ritornoErrato(stato, "il numero giocato %lld è ripetuto", n);
        visti.aggiungi(n);
        scelta.numeri.push_back(n);
    }
    lua_pop(stato, 1);
}

void leggiSorte(lua_State* stato, SceltaMetodo& scelta) {
    const long long quanti = static_cast<long long>(scelta.numeri.size());
    scelta.sorte = quanti == 1 ? 1 : 2;
    if (lua_getfield(stato, 1, "sorte") != LUA_TNIL)
        scelta.sorte = interoInCima(stato, "la sorte deve essere un intero da 1 (estratto) a 5 (cinquina)");
    lua_pop(stato, 1);
    if (scelta.sorte < 1 || scelta.sorte > NumPosizioni)
        ritornoErrato(stato, "la sorte %lld non è tra 1 (estratto) e 5 (cinquina)", scelta.sorte);
    if (scelta.sorte > quanti)
        ritornoErrato(stato, "la sorte %lld supera i numeri giocati (%lld)", scelta.sorte, quanti);
}

void leggiRuote(lua_State* stato, SceltaMetodo& scelta) {
    const int tipo = lua_getfield(stato, 1, "ruote");
    if (tipo == LUA_TNIL) {
        lua_pop(stato, 1);
        return;  // the wheels in play, already set
    }
    if (tipo != LUA_TTABLE) ritornoErrato(stato, "le ruote della giocata vanno date come {\"BA\", \"NA\", ...}");
    scelta.ruote.fill(false);
    const auto quante = static_cast<int>(lua_rawlen(stato, -1));
    for (int k = 1; k <= quante; ++k) {
        lua_rawgeti(stato, -1, k);
        const char* sigla = lua_type(stato, -1) == LUA_TSTRING ? lua_tostring(stato, -1) : nullptr;
        const auto r = sigla ? ruotaDaSigla(sigla) : std::nullopt;
        if (!r) {
            char testo[160];
            std::snprintf(testo, sizeof testo, "ruota sconosciuta nella giocata: %s (BA, CA, ..., NZ o TU)",
                          sigla ? sigla : luaL_typename(stato, -1));
            SandboxLua& sandbox = SandboxLua::daStato(stato);
            sandbox.interrompi(testo, sandbox.rigaRitorno());
        }
        for (int w = 1; w <= NumRuote; ++w) scelta.ruote[w - 1] = scelta.ruote[w - 1] || *r == w || *r == RuotaTutte;
        lua_pop(stato, 1);
    }
    lua_pop(stato, 1);
    if (quante == 0) ritornoErrato(stato, "la giocata restituita ha un elenco di ruote vuoto");
}

// Called protected with what metodo returned and the SceltaMetodo to fill.
int leggiRitorno(lua_State* stato) {
    auto& scelta = *static_cast<std::optional<SceltaMetodo>*>(lua_touserdata(stato, 2));
    if (lua_isnil(stato, 1)) return 0;
    if (!lua_istable(stato, 1)) {
        char testo[200];
        std::snprintf(testo, sizeof testo,
                      "metodo(t) deve restituire nil o una tabella {numeri = {...}, sorte = S}, non un valore %s",
                      luaL_typename(stato, 1));
        SandboxLua& sandbox = SandboxLua::daStato(stato);
        sandbox.interrompi(testo, sandbox.rigaRitorno());
    }
    SceltaMetodo& s = scelta.emplace();
    s.ruote = static_cast<ApiMetodo*>(SandboxLua::daStato(stato).utente)->contesto().ruote;
    leggiNumeri(stato, s);
    leggiSorte(stato, s);
    leggiRuote(stato, s);
    return 0;
}

std::string messaggio(const char* inizio, const ErroreLua& e) {
    return inizio + (e.riga > 0 ? " (riga " + std::to_string(e.riga) + ")" : std::string()) + ": " + e.motivo;
}

}  // namespace

MetodoLua::MetodoLua(std::string testo, long long istruzioni) : testo_(std::move(testo)), istruzioni_(istruzioni) {
    try {
        SandboxLua(1, nullptr, istruzioni_).compila(testo_);
    } catch (const ErroreLua& e) {
        throw ErroreMetodo(messaggio("Metodo non valido", e), e.riga);
    }
}

SceltePunti MetodoLua::scegli(const ContestoMetodo& contesto) const {
    SceltePunti esito;
    ApiMetodo api(contesto);
    SandboxLua sandbox(contesto.seme, contesto.annulla, istruzioni_);
    api.registra(sandbox);
    lua_State* stato = sandbox.stato();
    try {
        sandbox.carica(testo_);
        // Read raw: a metatable the script set on its globals runs outside any protected call here.
        lua_pushglobaltable(stato);
        lua_pushliteral(stato, "metodo");
        lua_rawget(stato, -2);
        lua_remove(stato, -2);
        if (!lua_isfunction(stato, -1)) throw ErroreLua{"il file non definisce function metodo(t)", 0};
        lua_Debug ar;
        lua_pushvalue(stato, -1);
        lua_getinfo(stato, ">S", &ar);
        sandbox.seguiRitorni(ar.linedefined);
        const int metodo = lua_gettop(stato);
        for (int t : contesto.punti) {
            api.punto = t;
            lua_pushcfunction(stato, leggiRitorno);
            lua_pushvalue(stato, metodo);
            lua_pushinteger(stato, t);
            sandbox.chiama(1, 1);
            std::optional<SceltaMetodo>& scelta = esito.perPunto.emplace_back();
            lua_pushlightuserdata(stato, &scelta);
            sandbox.chiama(2, 0);
        }
    } catch (const ErroreLua& e) {
        esito.registro = std::move(api.registro);
        if (sandbox.annullato()) {
            esito.annullato = true;
            return esito;
        }
        const std::string dove = api.punto == 0 ? "Metodo interrotto al caricamento"
                                                : "Metodo interrotto all'estrazione " + std::to_string(api.punto);
        throw ErroreMetodo(messaggio(dove.c_str(), e), e.riga, std::move(esito.registro));
    }
    esito.registro = std::move(api.registro);
    return esito;
}

}  // namespace quorvane
