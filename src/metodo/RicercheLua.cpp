#include "metodo/RicercheLua.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <lua.hpp>
#include <string_view>
#include <type_traits>

#include "metodo/MessaggiLua.h"
#include "metodo/SandboxLua.h"
#include "metodo/SchemaLua.h"

namespace quorvane {

namespace {

// Lua's errors jump over C++ destructors: what lives in a frame they can cross must have none.
static_assert(std::is_trivially_destructible_v<SchemaLua>);

constexpr std::size_t SchemaMostrato = 24;  // bytes of a pattern quoted in a message

struct Budget final : SchemaLua::Controllo {
    explicit Budget(lua_State* stato) : sandbox(SandboxLua::daStato(stato)) {}
    bool continua(long long passi) override { return sandbox.lavora(passi); }
    SandboxLua& sandbox;
};

// A match [da, a); its captures are the pattern's until it is tried again.
struct Trovato {
    bool trovato = false;
    std::size_t da = 0;
    std::size_t a = 0;
};

[[noreturn]] void fermaLavoro(lua_State* stato, const char* funzione, std::string_view schema, std::size_t testo) {
    SandboxLua& sandbox = SandboxLua::daStato(stato);
    if (sandbox.annullato()) sandbox.interrompi(MessaggioAnnullata);
    std::size_t mostrato = std::min(schema.size(), SchemaMostrato);
    while (mostrato < schema.size() && (static_cast<unsigned char>(schema[mostrato]) & 0xC0) == 0x80) --mostrato;
    char motivo[256];
    std::snprintf(motivo, sizeof motivo,
                  "%s: lo schema \"%.*s%s\" richiede troppi passi su un testo di %llu caratteri (superato il limite "
                  "di lavoro per prova)",
                  funzione, static_cast<int>(mostrato), schema.data(), mostrato < schema.size() ? "…" : "",
                  static_cast<unsigned long long>(testo));
    sandbox.interrompi(motivo);
}

// Runs `lavoro` (pattern code, which throws) and raises what it threw as the Lua error it stands
// for, once the C++ exception is gone.
template <class Lavoro>
auto protetto(lua_State* stato, const char* funzione, std::string_view schema, std::size_t testo, Lavoro&& lavoro) {
    char motivo[200] = "";
    bool fermato = false;
    try {
        return lavoro();
    } catch (const ErroreSchema& e) {
        std::snprintf(motivo, sizeof motivo, "%s", e.what());
    } catch (const SchemaFermato&) {
        fermato = true;
    }
    if (fermato) fermaLavoro(stato, funzione, schema, testo);
    luaL_error(stato, "%s", motivo);
    std::abort();  // luaL_error does not return
}

// Capture i of a match as Lua reads it: with no captures, capture 0 is the whole match.
SchemaLua::Cattura cattura(lua_State* stato, const SchemaLua& schema, const Trovato& t, int i) {
    if (i >= schema.catture()) {
        if (i != 0) luaL_error(stato, "indice di cattura %%%d non valido", i + 1);
        return {t.da, static_cast<std::ptrdiff_t>(t.a - t.da)};
    }
    const SchemaLua::Cattura c = schema.cattura(i);
    if (c.lunghezza == SchemaLua::Aperta) luaL_error(stato, "cattura non chiusa");
    return c;
}

void spingiCattura(lua_State* stato, const char* testo, const SchemaLua& schema, const Trovato& t, int i) {
    const SchemaLua::Cattura c = cattura(stato, schema, t, i);
    if (c.lunghezza == SchemaLua::Posizione) lua_pushinteger(stato, static_cast<lua_Integer>(c.inizio) + 1);
    else lua_pushlstring(stato, testo + c.inizio, static_cast<std::size_t>(c.lunghezza));
}

// The captures, or the whole match when the pattern has none and `intera`.
int spingiCatture(lua_State* stato, const char* testo, const SchemaLua& schema, const Trovato& t, bool intera) {
    const int quante = schema.catture() == 0 && intera ? 1 : schema.catture();
    luaL_checkstack(stato, quante, "troppe catture");
    for (int i = 0; i < quante; ++i) spingiCattura(stato, testo, schema, t, i);
    return quante;
}

// Lua's reading of a start position: negative from the end, 0 as 1.
std::size_t inizio(lua_Integer posizione, std::size_t lunghezza) {
    if (posizione > 0) return static_cast<std::size_t>(posizione);
    if (posizione == 0 || posizione < -static_cast<lua_Integer>(lunghezza)) return 1;
    return lunghezza + static_cast<std::size_t>(posizione) + 1;
}

int cerca(lua_State* stato, bool trova) {
    std::size_t lt = 0;
    std::size_t ls = 0;
    const char* testo = luaL_checklstring(stato, 1, &lt);
    const char* s = luaL_checklstring(stato, 2, &ls);
    const std::string_view schema(s, ls);
    const std::size_t da = inizio(luaL_optinteger(stato, 3, 1), lt) - 1;
    const char* funzione = trova ? "string.find" : "string.match";
    if (da > lt) {
        luaL_pushfail(stato);
        return 1;
    }
    Budget budget(stato);
    if (trova && (lua_toboolean(stato, 4) || SchemaLua::semplice(schema))) {
        const auto dove = protetto(stato, funzione, schema, lt, [&] {
            return SchemaLua::trova({testo, lt}, schema, da, budget);
        });
        if (!dove) {
            luaL_pushfail(stato);
            return 1;
        }
        lua_pushinteger(stato, static_cast<lua_Integer>(*dove) + 1);
        lua_pushinteger(stato, static_cast<lua_Integer>(*dove + ls));
        return 2;
    }
    SchemaLua confronto({testo, lt}, schema, true, budget);
    const Trovato t = protetto(stato, funzione, schema, lt, [&] {
        std::size_t i = da;
        do {
            if (const auto fine = confronto.confronta(i)) return Trovato{true, i, *fine};
        } while (i++ < lt && !confronto.ancorato());
        return Trovato{};
    });
    if (!t.trovato) {
        luaL_pushfail(stato);
        return 1;
    }
    if (!trova) return spingiCatture(stato, testo, confronto, t, true);
    lua_pushinteger(stato, static_cast<lua_Integer>(t.da) + 1);
    lua_pushinteger(stato, static_cast<lua_Integer>(t.a));
    return spingiCatture(stato, testo, confronto, t, false) + 2;
}

int find(lua_State* stato) {
    return cerca(stato, true);
}

int match(lua_State* stato) {
    return cerca(stato, false);
}

// The iterator of gmatch; upvalues: text, pattern, where to look next, end of the last match (-1).
int prossimo(lua_State* stato) {
    std::size_t lt = 0;
    std::size_t ls = 0;
    const char* testo = lua_tolstring(stato, lua_upvalueindex(1), &lt);
    const char* s = lua_tolstring(stato, lua_upvalueindex(2), &ls);
    const auto da = static_cast<std::size_t>(lua_tointeger(stato, lua_upvalueindex(3)));
    const lua_Integer ultima = lua_tointeger(stato, lua_upvalueindex(4));
    Budget budget(stato);
    SchemaLua confronto({testo, lt}, {s, ls}, false, budget);
    const Trovato t = protetto(stato, "string.gmatch", {s, ls}, lt, [&] {
        for (std::size_t i = da; i <= lt; ++i) {
            const auto fine = confronto.confronta(i);
            if (fine && static_cast<lua_Integer>(*fine) != ultima) return Trovato{true, i, *fine};
        }
        return Trovato{};
    });
    if (!t.trovato) return 0;
    lua_pushinteger(stato, static_cast<lua_Integer>(t.a));
    lua_copy(stato, -1, lua_upvalueindex(3));
    lua_replace(stato, lua_upvalueindex(4));
    return spingiCatture(stato, testo, confronto, t, true);
}

int gmatch(lua_State* stato) {
    std::size_t lt = 0;
    luaL_checklstring(stato, 1, &lt);
    luaL_checkstring(stato, 2);
    const std::size_t da = std::min(inizio(luaL_optinteger(stato, 3, 1), lt) - 1, lt + 1);
    lua_settop(stato, 2);
    lua_pushinteger(stato, static_cast<lua_Integer>(da));
    lua_pushinteger(stato, -1);
    lua_pushcclosure(stato, prossimo, 4);
    return 1;
}

// A replacement text: "%0" the match, "%1".."%9" its captures, "%%" a '%'.
void aggiungiTesto(lua_State* stato, luaL_Buffer* b, const char* testo, const SchemaLua& schema, const Trovato& t) {
    std::size_t l = 0;
    const char* nuovo = lua_tolstring(stato, 3, &l);
    const char* p = nullptr;
    while ((p = static_cast<const char*>(std::memchr(nuovo, '%', l)))) {
        luaL_addlstring(b, nuovo, static_cast<std::size_t>(p - nuovo));
        ++p;  // Lua's strings end with a '\0' past their length
        if (*p == '%') {
            luaL_addchar(b, '%');
        } else if (*p == '0') {
            luaL_addlstring(b, testo + t.da, t.a - t.da);
        } else if (std::isdigit(static_cast<unsigned char>(*p))) {
            const SchemaLua::Cattura c = cattura(stato, schema, t, *p - '1');
            if (c.lunghezza == SchemaLua::Posizione) {
                lua_pushinteger(stato, static_cast<lua_Integer>(c.inizio) + 1);
                luaL_addvalue(b);
            } else {
                luaL_addlstring(b, testo + c.inizio, static_cast<std::size_t>(c.lunghezza));
            }
        } else {
            luaL_error(stato, "uso non valido di '%%' nel testo di sostituzione (%%%% per un '%%')");
        }
        l -= static_cast<std::size_t>(p + 1 - nuovo);
        nuovo = p + 1;
    }
    luaL_addlstring(b, nuovo, l);
}

// Adds what replaces a match; false when it is kept as it is (the function or table gave false or nil).
bool aggiungiSostituto(lua_State* stato, luaL_Buffer* b, const char* testo, const SchemaLua& schema, const Trovato& t,
                       int tipo) {
    if (tipo == LUA_TFUNCTION) {
        lua_pushvalue(stato, 3);
        const int n = spingiCatture(stato, testo, schema, t, true);
        lua_call(stato, n, 1);
    } else if (tipo == LUA_TTABLE) {
        spingiCattura(stato, testo, schema, t, 0);
        lua_gettable(stato, 3);
    } else {
        aggiungiTesto(stato, b, testo, schema, t);
        return true;
    }
    if (!lua_toboolean(stato, -1)) {
        lua_pop(stato, 1);
        luaL_addlstring(b, testo + t.da, t.a - t.da);
        return false;
    }
    if (!lua_isstring(stato, -1))
        luaL_error(stato, "valore di sostituzione non valido (un valore %s)", luaL_typename(stato, -1));
    luaL_addvalue(b);
    return true;
}

int gsub(lua_State* stato) {
    std::size_t lt = 0;
    std::size_t ls = 0;
    const char* testo = luaL_checklstring(stato, 1, &lt);
    const char* s = luaL_checklstring(stato, 2, &ls);
    const int tipo = lua_type(stato, 3);
    const lua_Integer massimo = luaL_optinteger(stato, 4, static_cast<lua_Integer>(lt) + 1);
    luaL_argexpected(stato, tipo == LUA_TNUMBER || tipo == LUA_TSTRING || tipo == LUA_TFUNCTION || tipo == LUA_TTABLE,
                     3, "string/function/table");
    luaL_Buffer b;
    luaL_buffinit(stato, &b);
    Budget budget(stato);
    SchemaLua confronto({testo, lt}, {s, ls}, true, budget);
    std::size_t da = 0;
    std::size_t ultima = lt + 1;  // none yet
    lua_Integer n = 0;
    bool cambiato = false;
    while (n < massimo) {
        const Trovato t = protetto(stato, "string.gsub", {s, ls}, lt, [&] {
            const auto fine = confronto.confronta(da);
            return fine && *fine != ultima ? Trovato{true, da, *fine} : Trovato{};
        });
        if (t.trovato) {
            ++n;
            cambiato = aggiungiSostituto(stato, &b, testo, confronto, t, tipo) || cambiato;
            da = ultima = t.a;
        } else if (da < lt) {
            luaL_addchar(&b, testo[da++]);
        } else {
            break;
        }
        if (confronto.ancorato()) break;
    }
    if (cambiato) {
        luaL_addlstring(&b, testo + da, lt - da);
        luaL_pushresult(&b);
    } else {
        lua_pushvalue(stato, 1);
    }
    lua_pushinteger(stato, n);
    return 2;
}

}  // namespace

void registraRicerche(lua_State* stato) {
    const luaL_Reg funzioni[] = {
        {"find", find}, {"match", match}, {"gmatch", gmatch}, {"gsub", gsub}, {nullptr, nullptr}};
    lua_getglobal(stato, LUA_STRLIBNAME);
    luaL_setfuncs(stato, funzioni, 0);
    lua_pop(stato, 1);
}

}  // namespace quorvane
