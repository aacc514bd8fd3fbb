#include "metodo/ApiMetodo.h"

#include <algorithm>
#include <cstdio>
#include <lua.hpp>

#include "core/Fuori90.h"

namespace quorvane {

namespace {

ApiMetodo& api(lua_State* stato) {
    return *static_cast<ApiMetodo*>(SandboxLua::daStato(stato).utente);
}

const ArchivioEstrazioni& archivio(lua_State* stato) {
    return api(stato).contesto().archivio;
}

// The draw at argument i: a draw of the archive up to the point. A later one stops the run.
int estrazione(lua_State* stato, int i) {
    const lua_Integer e = luaL_checkinteger(stato, i);
    const int punto = api(stato).punto;
    if (e > punto) {
        char testo[200];
        std::snprintf(testo, sizeof testo,
                      "lettura dell'estrazione %lld, dopo il punto %d: un metodo vede solo le estrazioni fino al punto",
                      static_cast<long long>(e), punto);
        SandboxLua::daStato(stato).interrompi(testo);
    }
    if (e < 1) luaL_error(stato, "l'estrazione %d non esiste: la prima è la 1", static_cast<int>(e));
    return static_cast<int>(e);
}

int ruota(lua_State* stato, int i) {
    std::size_t lunghezza = 0;
    const char* sigla = luaL_checklstring(stato, i, &lunghezza);
    const auto r = ruotaDaSigla(std::string_view(sigla, lunghezza));
    if (!r || *r == RuotaTutte)
        luaL_error(stato, "ruota sconosciuta: %s (BA, CA, FI, GE, MI, NA, PA, RO, TO, VE, NZ)", sigla);
    return *r;
}

int numero(lua_State* stato, int i) {
    const lua_Integer n = luaL_checkinteger(stato, i);
    if (n < 1 || n > NumeroMassimo) luaL_error(stato, "il numero %d non è tra 1 e 90", static_cast<int>(n));
    return static_cast<int>(n);
}

int estratti(lua_State* stato) {
    const int e = estrazione(stato, 1);
    const int w = ruota(stato, 2);
    if (archivio(stato).NumeriRuota(e, w).vuota()) {
        lua_pushnil(stato);
        return 1;
    }
    lua_createtable(stato, NumPosizioni, 0);
    for (int k = 1; k <= NumPosizioni; ++k) {
        lua_pushinteger(stato, archivio(stato).Estratti(e, w, k));
        lua_rawseti(stato, -2, k);
    }
    return 1;
}

int estratto(lua_State* stato) {
    const int e = estrazione(stato, 1);
    const int w = ruota(stato, 2);
    const lua_Integer k = luaL_checkinteger(stato, 3);
    if (k < 1 || k > NumPosizioni) luaL_error(stato, "la posizione %d non è tra 1 e 5", static_cast<int>(k));
    if (archivio(stato).NumeriRuota(e, w).vuota()) lua_pushnil(stato);
    else lua_pushinteger(stato, archivio(stato).Estratti(e, w, static_cast<int>(k)));
    return 1;
}

int data(lua_State* stato) {
    const Data& d = archivio(stato).DataEstrazione(estrazione(stato, 1));
    char testo[16];
    std::snprintf(testo, sizeof testo, "%02d/%02d/%04d", d.giorno, d.mese, d.anno);
    lua_pushstring(stato, testo);
    return 1;
}

int giorno(lua_State* stato) {
    const int g = archivio(stato).DataEstrazione(estrazione(stato, 1)).giornoSettimana();
    lua_pushinteger(stato, g == 0 ? 7 : g);
    return 1;
}

// Drawn draws of the wheel after the last of `uscite` up to e; all of them when none.
int ritardoDa(ApiMetodo& a, const std::vector<int>& uscite, int w, int e) {
    const auto dopo = std::upper_bound(uscite.begin(), uscite.end(), e);
    const int totale = a.estrazioniRuota(w, e);
    return dopo == uscite.begin() ? totale : totale - a.estrazioniRuota(w, *(dopo - 1));
}

int ritardo(lua_State* stato) {
    const int n = numero(stato, 1);
    const int w = ruota(stato, 2);
    const int e = estrazione(stato, 3);
    ApiMetodo& a = api(stato);
    lua_pushinteger(stato, ritardoDa(a, a.uscite(w, n), w, e));
    return 1;
}

int ritardoAmbo(lua_State* stato) {
    const int x = numero(stato, 1);
    const int y = numero(stato, 2);
    const int w = ruota(stato, 3);
    const int e = estrazione(stato, 4);
    if (x == y) luaL_error(stato, "un ambo vuole due numeri diversi, non %d e %d", x, y);
    ApiMetodo& a = api(stato);
    lua_pushinteger(stato, ritardoDa(a, a.usciteAmbo(w, std::min(x, y), std::max(x, y)), w, e));
    return 1;
}

int frequenza(lua_State* stato) {
    const int n = numero(stato, 1);
    const int w = ruota(stato, 2);
    const int da = estrazione(stato, 3);
    const int al = estrazione(stato, 4);
    const std::vector<int>& u = api(stato).uscite(w, n);
    const auto fine = std::upper_bound(u.begin(), u.end(), al);
    const auto inizio = std::lower_bound(u.begin(), fine, da);
    lua_pushinteger(stato, fine - inizio);
    return 1;
}

int fuori90(lua_State* stato) {
    const lua_Integer x = luaL_checkinteger(stato, 1);
    lua_pushinteger(stato, ((x - 1) % NumeroMassimo + NumeroMassimo) % NumeroMassimo + 1);
    return 1;
}

int distanza(lua_State* stato) {
    lua_pushinteger(stato, distanza90(numero(stato, 1), numero(stato, 2)));
    return 1;
}

// The two figures swapped, a single figure read as "0n": 12 and 21, 5 and 50, 9 and 90; twins
// (11, 22, ...) are their own.
int vertibile(lua_State* stato) {
    const int n = numero(stato, 1);
    lua_pushinteger(stato, n % 10 * 10 + n / 10);
    return 1;
}

// The sum of the figures down to one: 1..9 (90 is 9).
int figura(lua_State* stato) {
    lua_pushinteger(stato, (numero(stato, 1) - 1) % 9 + 1);
    return 1;
}

// The last figure: 0..9.
int cadenza(lua_State* stato) {
    lua_pushinteger(stato, numero(stato, 1) % 10);
    return 1;
}

// The natural ten: 1 for 1..10, 2 for 11..20, ... 9 for 81..90.
int decina(lua_State* stato) {
    lua_pushinteger(stato, (numero(stato, 1) - 1) / 10 + 1);
    return 1;
}

// The value given for the name, as a number when it reads as one; else the default.
int parametro(lua_State* stato) {
    const char* nome = luaL_checkstring(stato, 1);
    const auto& parametri = api(stato).contesto().parametri;
    const auto trovato = parametri.find(nome);
    if (trovato == parametri.end()) {
        lua_settop(stato, 2);
        return 1;
    }
    if (lua_stringtonumber(stato, trovato->second.c_str()) == 0) lua_pushstring(stato, trovato->second.c_str());
    return 1;
}

// The wheels in play, the first named first (the one the built-in strategies read), then in order.
int ruote(lua_State* stato) {
    const ContestoMetodo& c = api(stato).contesto();
    lua_newtable(stato);
    int k = 0;
    auto aggiungi = [&](int w) {
        lua_pushlstring(stato, SiglaRuota[w].data(), SiglaRuota[w].size());
        lua_rawseti(stato, -2, ++k);
    };
    if (c.ruote[c.ruotaLetta - 1]) aggiungi(c.ruotaLetta);
    for (int w = 1; w <= NumRuote; ++w)
        if (c.ruote[w - 1] && w != c.ruotaLetta) aggiungi(w);
    return 1;
}

// Its arguments as text, separated by tabs, as one line of the log.
int scrivi(lua_State* stato) {
    const int quanti = lua_gettop(stato);
    luaL_Buffer riga;
    luaL_buffinit(stato, &riga);
    for (int i = 1; i <= quanti; ++i) {
        if (i > 1) luaL_addchar(&riga, '\t');
        luaL_tolstring(stato, i, nullptr);
        luaL_addvalue(&riga);
    }
    luaL_pushresult(&riga);
    std::size_t lunghezza = 0;
    const char* testo = lua_tolstring(stato, -1, &lunghezza);
    std::vector<std::string>& registro = api(stato).registro;
    if (registro.size() < ApiMetodo::RigheRegistro) {
        registro.emplace_back(testo, std::min(lunghezza, ApiMetodo::LunghezzaRiga));
        if (lunghezza > ApiMetodo::LunghezzaRiga) registro.back() += "…";
    } else if (registro.size() == ApiMetodo::RigheRegistro) {
        registro.emplace_back("… registro fermato a 1000 righe");
    }
    return 0;
}

}  // namespace

void ApiMetodo::registra(SandboxLua& sandbox) {
    sandbox.utente = this;
    const luaL_Reg funzioni[] = {
        {"estratti", estratti}, {"estratto", estratto},        {"data", data},           {"giorno", giorno},
        {"ritardo", ritardo},   {"ritardo_ambo", ritardoAmbo}, {"frequenza", frequenza}, {"fuori90", fuori90},
        {"distanza", distanza}, {"vertibile", vertibile},      {"figura", figura},       {"cadenza", cadenza},
        {"decina", decina},     {"parametro", parametro},      {"ruote", ruote},         {"scrivi", scrivi},
        {"print", scrivi},
    };
    for (const luaL_Reg& f : funzioni) {
        lua_pushcfunction(sandbox.stato(), f.func);
        lua_setglobal(sandbox.stato(), f.name);
    }
}

void ApiMetodo::indicizza(int w) {
    const ArchivioEstrazioni& a = contesto_.archivio;
    const int n = a.NumEstrazioni();
    conteggio_[w].assign(n + 1, 0);
    uscite_[w].assign(NumeroMassimo + 1, {});
    for (int e = 1; e <= n; ++e) {
        const Maschera90& numeri = a.NumeriRuota(e, w);
        conteggio_[w][e] = conteggio_[w][e - 1] + !numeri.vuota();
        numeri.perOgni([&](int x) { uscite_[w][x].push_back(e); });
    }
}

int ApiMetodo::estrazioniRuota(int w, int e) {
    if (conteggio_[w].empty()) indicizza(w);
    return conteggio_[w][e];
}

const std::vector<int>& ApiMetodo::uscite(int w, int numero) {
    if (uscite_[w].empty()) indicizza(w);
    return uscite_[w][numero];
}

const std::vector<int>& ApiMetodo::usciteAmbo(int w, int a, int b) {
    if (usciteAmbo_[w].empty()) {
        usciteAmbo_[w].assign((NumeroMassimo + 1) * (NumeroMassimo + 1), {});
        const ArchivioEstrazioni& archivio = contesto_.archivio;
        for (int e = 1; e <= archivio.NumEstrazioni(); ++e) {
            const Maschera90& numeri = archivio.NumeriRuota(e, w);
            numeri.perOgni([&](int x) {
                numeri.perOgni([&](int y) {
                    if (x < y) usciteAmbo_[w][x * (NumeroMassimo + 1) + y].push_back(e);
                });
            });
        }
    }
    return usciteAmbo_[w][a * (NumeroMassimo + 1) + b];
}

}  // namespace quorvane
