#pragma once
// The search of formations by random restarts: 100 hill climbs that replace one number at a
// time, scored by how often the numbers of the formation came out together (as pairs, or as
// triples) in the windows of the uncovered model draws.
#include <cstdint>
#include <random>
#include <vector>

#include "index/AnalisiIndice.h"
#include "index/Formazione.h"
#include "index/TabelleConteggio.h"

namespace quorvane {

// Uniform numbers in [0, 1); the same seed gives the same sequence on every platform.
class GeneratoreCasuale {
public:
    explicit GeneratoreCasuale(std::uint64_t seme = 1) : motore_(seme) {}
    void semina(std::uint64_t seme) { motore_.seed(seme); }
    double uniforme() { return static_cast<double>(motore_() >> 11) * 0x1.0p-53; }
    // Int(n * r) + ... as the search draws positions and numbers: 0..n-1.
    int intero(int n) { return static_cast<int>(n * uniforme()); }

private:
    std::mt19937_64 motore_;
};

struct RicercaCasuale {
    static constexpr int Ripartenze = 100;
    static constexpr int Stallo = 100;
    static constexpr int Migliori = 20;
};

// Sum of the pair counts over every pair of positions (PunteggioCoppie).
int PunteggioCoppie(const std::vector<int>& formazione, const TabelleConteggio& tabelle);
// Sum of the triple counts over every triple of positions (PunteggioTerni).
int PunteggioTerni(const std::vector<int>& formazione, const TabelleConteggio& tabelle);

// Fills the pair (or triple) counts of the draws of the uncovered windows up to FineRicerca
// on the wheels in play, counting only pairs (triples) that hold Capogioco when it is set.
void ContaCoppieFinestra(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, TabelleConteggio& tabelle);
void ContaTerniFinestra(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, TabelleConteggio& tabelle);

// "Elaborazione modalità 1" for N >= 2: FineRicerca is recomputed; the wheels in play are
// RuoteSel. Returns the best 20 distinct formations ranked by the model rows they
// cover (threshold 2 for pairs, 3 for triples), as Fg_CC shows them. Empty for a terno with N < 3.
std::vector<Formazione> ElaborazioneModalita1(AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                              TabelleConteggio& tabelle, GeneratoreCasuale& caso,
                                              const Avanzamento& avanzamento = {});

}  // namespace quorvane
