#pragma once
// An orthogonal system developed on the user's numbers: the system in base numbers, the
// numbers chosen on the 90-number panel and the rows obtained by replacing each base number
// with the chosen number of the same rank.
#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "core/Griglia.h"

namespace quorvane {

inline constexpr int MassimoNumeriRiga = 10;

// A system of the list (Sist_Ortogonali).
struct VoceSistema {
    long long cod = 0;
    std::string denominazione;
    int sviluppo = 0;  // numbers per row
};

// A stored row of a system (Sist_OrtoSv): `num` has "X" at the position of each base number.
struct RigaSalvata {
    std::string nuRiga;
    std::string qn;
    std::string num;
};

// FgSistemi: Cod, Denominazione, sviluppo (the window hides the first and the last).
void riempiElencoSistemi(Griglia& tabella, const std::vector<VoceSistema>& sistemi);
// FGSv1: the stored rows of one system.
void riempiRigheSalvate(Griglia& tabella, const std::vector<RigaSalvata>& righe);

// The number shown by a cell of the panel Fg99x (6 rows of 15); 0 outside it.
int numeroPannello(int riga, int colonna);

class SviluppoSistema {
public:
    // Reads the system in base numbers. A row with more than ten numbers stops the reading
    // there (false): the rows read so far, that one cut at ten numbers, stay.
    bool carica(const std::vector<RigaSalvata>& righe);
    // PREPARA: the base numbers of the system; clears the choice and the development.
    void prepara();
    // A click on the panel: releases a chosen number, or chooses it while there is room.
    void scegli(int numero);
    // SOSTITUISCI: `sviluppo` numbers per row, as the selected system of the list says.
    void sostituisci(int sviluppo);

    int numeriBase() const { return static_cast<int>(basi_.size()); }
    int scelti() const { return static_cast<int>(scelti_.count()); }
    bool scelto(int numero) const { return numero >= 1 && numero <= 90 && scelti_[static_cast<std::size_t>(numero)]; }
    // Label20: green when the choice is complete.
    bool sceltaCompleta() const { return scelti() == numeriBase(); }

    // Grids of the window: the system in base numbers (FgSy), the base numbers and their
    // replacements (Fg99), the panel (Fg99x) and the development (fG88).
    void riempiSistemaBase(Griglia& tabella) const;
    void riempiSostituzioni(Griglia& tabella) const;
    void riempiPannello(Griglia& pannello) const;
    void riempiSviluppo(Griglia& tabella) const;

private:
    struct Riga {
        std::string nuRiga;
        std::array<int, MassimoNumeriRiga> numeri{};  // 0: empty cell
    };
    static void scriviRighe(Griglia& g, const std::vector<Riga>& righe, int minimoRighe);
    std::vector<Riga> righe_;     // the system in base numbers
    std::vector<int> basi_;       // ascending
    std::vector<int> sostituti_;  // per base number; 0 while not replaced
    std::bitset<91> scelti_;      // the yellow cells of the panel, by number
    std::vector<Riga> sviluppo_;
};

}  // namespace quorvane
