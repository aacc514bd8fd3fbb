#include "metodo/SandboxLua.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <lua.hpp>
#include <new>

#include "metodo/MessaggiLua.h"
#include "metodo/RicercheLua.h"

namespace quorvane {

namespace {

constexpr int Passo = 1000;  // instructions between two looks at the budget and at "Annulla"
constexpr const char* NomeChunk = "=metodo";

[[noreturn]] void fermaVietato(lua_State* stato, const char* nome) {
    char testo[256];
    std::snprintf(testo, sizeof testo,
                  "%s non è disponibile in un metodo: un metodo legge solo l'archivio, non file, comandi del "
                  "sistema o altro codice",
                  nome);
    SandboxLua::daStato(stato).interrompi(testo);
}

// A name the sandbox leaves out, called.
int vietato(lua_State* stato) {
    fermaVietato(stato, lua_tostring(stato, lua_upvalueindex(1)));
}

// A field of a library the sandbox leaves out (os.execute, io.open, ...), read.
int campoVietato(lua_State* stato) {
    char nome[128];
    std::snprintf(nome, sizeof nome, "%s.%s", lua_tostring(stato, lua_upvalueindex(1)),
                  lua_type(stato, 2) == LUA_TSTRING ? lua_tostring(stato, 2) : "?");
    fermaVietato(stato, nome);
}

void vieta(lua_State* stato, const char* nome) {
    lua_pushstring(stato, nome);
    lua_pushcclosure(stato, vietato, 1);
    lua_setglobal(stato, nome);
}

void vietaLibreria(lua_State* stato, const char* nome) {
    lua_newtable(stato);
    lua_newtable(stato);
    lua_pushstring(stato, nome);
    lua_pushcclosure(stato, campoVietato, 1);
    lua_setfield(stato, -2, "__index");
    lua_setmetatable(stato, -2);
    lua_setglobal(stato, nome);
}

}  // namespace

SandboxLua::SandboxLua(std::uint64_t seme, const std::atomic<bool>* annulla, long long istruzioni)
    : annulla_(annulla), istruzioniMassime_(istruzioni) {
    stato_ = lua_newstate(allocatore, this);
    if (!stato_) throw std::bad_alloc();
    *static_cast<SandboxLua**>(lua_getextraspace(stato_)) = this;
    lua_sethook(stato_, gancio, LUA_MASKCOUNT | LUA_MASKRET, Passo);
    apriLibrerie(seme);
}

SandboxLua::~SandboxLua() {
    lua_close(stato_);
}

SandboxLua& SandboxLua::daStato(lua_State* stato) {
    return **static_cast<SandboxLua**>(lua_getextraspace(stato));
}

void SandboxLua::apriLibrerie(std::uint64_t seme) {
    const luaL_Reg librerie[] = {{LUA_GNAME, luaopen_base},
                                 {LUA_STRLIBNAME, luaopen_string},
                                 {LUA_TABLIBNAME, luaopen_table},
                                 {LUA_MATHLIBNAME, luaopen_math},
                                 {LUA_UTF8LIBNAME, luaopen_utf8}};
    for (const luaL_Reg& l : librerie) {
        luaL_requiref(stato_, l.name, l.func, 1);
        lua_pop(stato_, 1);
    }
    for (const char* nome : {"load", "loadfile", "dofile", "require", "collectgarbage", "print", "xpcall"})
        vieta(stato_, nome);
    for (const char* nome : {"io", "os", "package", "debug", "coroutine"}) vietaLibreria(stato_, nome);
    lua_pushnil(stato_);
    lua_setglobal(stato_, "warn");  // writes on the standard error
    lua_pushcfunction(stato_, pcallProtetto);
    lua_setglobal(stato_, "pcall");
    lua_getglobal(stato_, LUA_STRLIBNAME);
    lua_pushnil(stato_);
    lua_setfield(stato_, -2, "dump");
    lua_pop(stato_, 1);
    registraRicerche(stato_);
    // math.random repeats with the run's seed.
    lua_getglobal(stato_, LUA_MATHLIBNAME);
    lua_getfield(stato_, -1, "randomseed");
    lua_pushinteger(stato_, static_cast<lua_Integer>(seme));
    lua_call(stato_, 1, 0);
    lua_pop(stato_, 1);
}

void* SandboxLua::allocatore(void* ud, void* ptr, std::size_t vecchia, std::size_t nuova) {
    auto& s = *static_cast<SandboxLua*>(ud);
    if (!ptr) vecchia = 0;  // then it tells the kind of object, not a size
    if (nuova == 0) {
        std::free(ptr);
        s.memoria_ -= vecchia;
        return nullptr;
    }
    if (nuova > vecchia) {
        // Copying memory is work too: a loop that builds huge strings runs few instructions.
        s.istruzioni_ += static_cast<long long>((nuova - vecchia) / 64);
        const char* rifiuto = nullptr;
        if (s.memoria_ + (nuova - vecchia) > MemoriaMassima) rifiuto = MessaggioMemoria;
        if (s.istruzioni_ > s.istruzioniMassime_) rifiuto = MessaggioIstruzioni;
        if (s.annulla_ && s.annulla_->load(std::memory_order_relaxed)) {
            s.annullato_ = true;
            rifiuto = MessaggioAnnullata;
        }
        if (rifiuto) {
            s.motivoMemoria_ = rifiuto;
            s.rigaMemoria_ = s.stato_ ? s.rigaCorrente() : 0;
            return nullptr;
        }
    }
    void* nuovo = std::realloc(ptr, nuova);
    if (nuovo) s.memoria_ = s.memoria_ - vecchia + nuova;
    return nuovo;
}

void SandboxLua::gancio(lua_State* stato, lua_Debug* ar) {
    SandboxLua& s = daStato(stato);
    if (ar->event == LUA_HOOKRET) {
        if (s.rigaFunzione_ >= 0 && lua_getinfo(stato, "Sl", ar) && ar->linedefined == s.rigaFunzione_ &&
            ar->currentline > 0)
            s.rigaRitorno_ = ar->currentline;
        return;
    }
    if (s.fatale_) s.interrompi(nullptr);
    if (!s.lavora(Passo)) s.interrompi(s.annullato_ ? MessaggioAnnullata : MessaggioIstruzioni);
}

bool SandboxLua::lavora(long long passi) {
    istruzioni_ += passi;
    if (annulla_ && annulla_->load(std::memory_order_relaxed)) annullato_ = true;
    return !annullato_ && istruzioni_ <= istruzioniMassime_;
}

void SandboxLua::interrompi(const char* motivo, int riga) {
    if (!fatale_) {
        fatale_ = true;
        motivoFatale_ = motivo;
        rigaFatale_ = riga < 0 ? rigaCorrente() : riga;
    }
    lua_pushstring(stato_, motivoFatale_.c_str());
    lua_error(stato_);
    std::abort();  // lua_error does not return
}

int SandboxLua::rigaCorrente() const {
    lua_Debug ar;
    for (int livello = 0; lua_getstack(stato_, livello, &ar); ++livello)
        if (lua_getinfo(stato_, "Sl", &ar) && ar.currentline > 0 && std::strcmp(ar.source, NomeChunk) == 0)
            return ar.currentline;
    return 0;
}

int SandboxLua::pcallProtetto(lua_State* stato) {
    luaL_checkany(stato, 1);
    const int esito = lua_pcall(stato, lua_gettop(stato) - 1, LUA_MULTRET, 0);
    SandboxLua& s = daStato(stato);
    if (esito == LUA_ERRMEM) s.interrompi(s.motivoMemoria_, s.rigaMemoria_);
    if (s.fatale_) s.interrompi(nullptr);
    lua_pushboolean(stato, esito == LUA_OK);
    lua_insert(stato, 1);
    return lua_gettop(stato);
}

int SandboxLua::gestoreErrori(lua_State* stato) {
    SandboxLua& s = daStato(stato);
    s.rigaErrore_ = s.rigaCorrente();
    if (!lua_isstring(stato, 1))
        lua_pushfstring(stato, "errore senza messaggio (un valore %s)", luaL_typename(stato, 1));
    return 1;
}

ErroreLua SandboxLua::errore(int esito) {
    ErroreLua e;
    if (fatale_) {
        e = {motivoFatale_, rigaFatale_};
    } else if (esito == LUA_ERRMEM) {
        e = {motivoMemoria_, rigaMemoria_};
    } else {
        const char* testo = lua_tostring(stato_, -1);
        e = messaggioLua(testo ? testo : "errore", rigaErrore_);
    }
    lua_pop(stato_, 1);
    return e;
}

void SandboxLua::compila(const std::string& testo) {
    const int esito = luaL_loadbufferx(stato_, testo.data(), testo.size(), NomeChunk, "t");
    if (esito != LUA_OK) {
        ErroreLua e = esito == LUA_ERRMEM ? ErroreLua{MessaggioMemoria, 0} : messaggioLua(lua_tostring(stato_, -1), 0);
        lua_pop(stato_, 1);
        if (esito == LUA_ERRSYNTAX) e.motivo = "errore di sintassi: " + e.motivo;
        throw e;
    }
}

void SandboxLua::chiama(int argomenti, int risultati) {
    const int base = lua_gettop(stato_) - argomenti;
    lua_pushcfunction(stato_, gestoreErrori);
    lua_insert(stato_, base);
    const int esito = lua_pcall(stato_, argomenti, risultati, base);
    lua_remove(stato_, base);
    if (esito != LUA_OK) throw errore(esito);
}

}  // namespace quorvane
