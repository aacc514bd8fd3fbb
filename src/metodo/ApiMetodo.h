#pragma once
// The functions a method reads the archive with, in Italian, registered in its sandbox: draws,
// dates, delays and frequencies of numbers and pairs, the Lotto arithmetic, the parameters, the
// wheels in play and its log. Every read of a draw after the point stops the run.
#include <array>
#include <string>
#include <vector>

#include "index/MetodoProprio.h"
#include "metodo/SandboxLua.h"

namespace quorvane {

class ApiMetodo {
public:
    static constexpr int RigheRegistro = 1000;
    static constexpr std::size_t LunghezzaRiga = 1000;

    explicit ApiMetodo(const ContestoMetodo& contesto) : contesto_(contesto) {}
    // Sets the functions as globals of the sandbox, which reads this object.
    void registra(SandboxLua& sandbox);

    int punto = 0;  // t: the last draw the method may read
    std::vector<std::string> registro;

    const ContestoMetodo& contesto() const { return contesto_; }
    // Drawn draws of the wheel in 1..e.
    int estrazioniRuota(int ruota, int e);
    // The draws in which the number, or the pair a < b, came out on the wheel, ascending.
    const std::vector<int>& uscite(int ruota, int numero);
    const std::vector<int>& usciteAmbo(int ruota, int a, int b);

private:
    void indicizza(int ruota);

    const ContestoMetodo& contesto_;
    // By wheel, built on first use: drawn draws up to each draw, and the draws of each number
    // and of each pair (a * 91 + b).
    std::array<std::vector<int>, NumRuote + 1> conteggio_;
    std::array<std::vector<std::vector<int>>, NumRuote + 1> uscite_;
    std::array<std::vector<std::vector<int>>, NumRuote + 1> usciteAmbo_;
};

}  // namespace quorvane
