#pragma once
// A Lua 5.4 state that cannot reach outside the program: only the libraries string, table, math
// and utf8 and the base functions that touch nothing else; a memory cap of its own allocator and
// an instruction budget of a count hook. What stops a run (the budget, the cap, "Annulla", a
// forbidden name, a read past the point) cannot be caught by the script's pcall.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

struct lua_State;
struct lua_Debug;

namespace quorvane {

// Why a call failed, in Italian, and the script's line (0 when none is known).
struct ErroreLua {
    std::string motivo;
    int riga = 0;
};

class SandboxLua {
public:
    static constexpr std::size_t MemoriaMassima = 64u << 20;
    static constexpr long long IstruzioniMassime = 1'000'000'000;

    SandboxLua(std::uint64_t seme, const std::atomic<bool>* annulla, long long istruzioni = IstruzioniMassime);
    ~SandboxLua();
    SandboxLua(const SandboxLua&) = delete;
    SandboxLua& operator=(const SandboxLua&) = delete;

    lua_State* stato() const { return stato_; }
    // What the functions registered by the caller read (see daStato).
    void* utente = nullptr;
    static SandboxLua& daStato(lua_State* stato);

    // Compiles `testo` (text only: a precompiled chunk could crash the state) and pushes it as a
    // function. Throws ErroreLua.
    void compila(const std::string& testo);
    // Compiles and runs `testo`, which defines its functions. Throws ErroreLua.
    void carica(const std::string& testo) {
        compila(testo);
        chiama(0, 0);
    }
    // Calls the function below its `argomenti` arguments on the stack, leaving `risultati`
    // results. Throws ErroreLua.
    void chiama(int argomenti, int risultati);
    bool annullato() const { return annullato_; }
    // Counts `passi` of work done inside a C function (a pattern's steps) against the budget:
    // false when the run must stop, for the budget or for "Annulla".
    bool lavora(long long passi);

    // From a C function or the hook: stops the run for `motivo` at `riga` (the current line when
    // negative). Never returns.
    [[noreturn]] void interrompi(const char* motivo, int riga = -1);
    // The line the script is running, or 0.
    int rigaCorrente() const;
    // The line of the last `return` of the function defined at `rigaFunzione`, for what it returned.
    void seguiRitorni(int rigaFunzione) { rigaFunzione_ = rigaFunzione; }
    int rigaRitorno() const { return rigaRitorno_; }

private:
    static void* allocatore(void* ud, void* ptr, std::size_t vecchia, std::size_t nuova);
    static void gancio(lua_State* stato, lua_Debug* ar);
    static int pcallProtetto(lua_State* stato);
    static int gestoreErrori(lua_State* stato);
    void apriLibrerie(std::uint64_t seme);
    ErroreLua errore(int esito);

    lua_State* stato_ = nullptr;
    const std::atomic<bool>* annulla_;
    long long istruzioni_ = 0;
    long long istruzioniMassime_;
    std::size_t memoria_ = 0;
    const char* motivoMemoria_ = "";  // why the allocator last refused, and where
    int rigaMemoria_ = 0;
    int rigaErrore_ = 0;  // of the last error, from the message handler
    int rigaFunzione_ = -1;
    int rigaRitorno_ = 0;
    bool annullato_ = false;
    bool fatale_ = false;
    std::string motivoFatale_;
    int rigaFatale_ = 0;
};

}  // namespace quorvane
