#pragma once
// A player's own method, as the historical test sees it: something that chooses one play (or
// none) at each point from draws 1..t. The engine judges its plays as it judges the built-in
// strategies'; the language the method is written in lives outside the engine.
#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "index/AnalisiIndice.h"

namespace quorvane {

// One play chosen at a point, on its own wheels.
struct SceltaMetodo {
    static constexpr int MaxNumeri = 10;

    std::vector<int> numeri;  // 1..90, distinct, 1..MaxNumeri of them
    int sorte = 1;            // 1..5, at most the count of numbers
    std::array<bool, NumRuote> ruote{};
};

struct SceltePunti {
    std::vector<std::optional<SceltaMetodo>> perPunto;  // one per point, nothing where it did not play
    std::vector<std::string> registro;                  // the lines the method wrote
    bool annullato = false;
};

// Why a method stopped, in Italian, naming the point and the line ("Metodo interrotto
// all'estrazione 7123 (riga 12): ..."); `riga` is 0 when no line is known. The log written up to
// then goes with it.
class ErroreMetodo : public std::runtime_error {
public:
    ErroreMetodo(const std::string& messaggio, int riga, std::vector<std::string> registro = {})
        : std::runtime_error(messaggio), riga_(riga), registro_(std::move(registro)) {}
    int riga() const { return riga_; }
    const std::vector<std::string>& registro() const { return registro_; }

private:
    int riga_;
    std::vector<std::string> registro_;
};

struct ContestoMetodo {
    const ArchivioEstrazioni& archivio;
    const std::vector<int>& punti;
    std::array<bool, NumRuote> ruote;                     // the wheels in play, the default of a play
    int ruotaLetta;                                       // the first wheel named, listed first
    const std::map<std::string, std::string>& parametri;  // values by name, as the player typed them
    std::uint64_t seme;
    const std::atomic<bool>* annulla;
};

class MetodoProprio {
public:
    virtual ~MetodoProprio() = default;
    // The plays at each point, reading only draws 1..t at point t; each call starts afresh, so
    // that calls from several threads never share state. Throws ErroreMetodo.
    virtual SceltePunti scegli(const ContestoMetodo& contesto) const = 0;
    // The same text for the same method, another for another: what tells two tries apart.
    virtual std::string impronta() const = 0;
};

}  // namespace quorvane
