#pragma once
// The index analysis: its options, the model draws with their windows, and the state that
// later steps (coverage, searches, forecasts, verification) read and write.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Maschera90.h"
#include "core/Ruote.h"

namespace quorvane {

// One model draw and the window of draws that followed it (Inizio..End, both included).
struct RigaModello {
    int numero = 0;  // N°: 1 = most recent model draw
    int estr = 0;    // draw index of the model draw
    int inizio = 0;  // estr + 1
    int fine = 0;    // estr + colpi, not beyond FineRicerca
    int end = 0;     // fine, or the next more recent model draw when the windows overlap

    bool senzaSeguito = false;       // estr is FineRicerca itself: nothing follows it
    bool inizioSovrapposto = false;  // this window starts inside the next older one
    bool endAccorciato = false;      // end cut back to the next more recent model draw
    bool tagliata = false;           // marked as cut short by FineRicerca (until a verification)
    bool coperta = false;            // an active forecast came out in the window

    // "Pr": the forecasts credited with this row; after a verification, the list rows that
    // came out in it, run together.
    std::string pr;

    // Written by the verification: the first draw of the window with a hit and every hit of it.
    bool verificata = false;
    std::array<std::string, NumRuote> usciti;  // matched numbers per wheel, " 7 45", joined by "/"
    std::array<int, NumRuote> maxPresi{};      // most numbers matched by one hit per wheel
    int colpo = 0;                             // 0: no hit
    int estrazioneEsito = 0;
    std::string S;   // matched counts of the hits, run together
    std::string Ge;  // forecast numbers of the hits, run together
};

// A play of the forecast list.
struct Previsione {
    static constexpr int MaxNumeri = 8;

    int numero = 0;                       // N°: the lowest number free when it was added, renumbered by a removal
    int sorte = 1;                        // 1 ambata .. 5 cinquina
    int esiti = 0;                        // model rows credited when it was added
    std::optional<int> et;                // hits found by the last verification
    std::array<int, MaxNumeri> numeri{};  // 0: empty cell
    bool attiva = true;

    Maschera90 maschera() const {
        Maschera90 m;
        for (int n : numeri) m.aggiungi(n);
        return m;
    }
    int quanti() const {
        int q = 0;
        for (int n : numeri) q += n != 0;
        return q;
    }
};

struct AnalisiIndice {
    static constexpr int ColpiMassimi = 20;
    static constexpr int PresenzeMinime = 5;
    static constexpr int PresenzeMassime = 200;

    int EstrazioneSelezionata = 0;
    int FineRicerca = 0;
    int NumeroColpi = 12;
    int Presenze = 12;
    int Mensile = 0;  // 0 = last draw of the month ("U"), else that ordinal within the month
    int QuantitaNumeri = 3;
    int Capogioco = 0;                 // 0 = none
    int SorteElaborazione = 2;         // 2 = "Ambata e Ambo", 3 = "Terno"
    bool fineAllaSelezionata = false;  // "Fine ricerca": windows end at the selected draw
    bool forzaUltima = false;          // "Forza ultima mensile"
    bool veloce = false;               // "Velocizza ricerca ma meno precisione"
    // The wheel board: BA alone is in play when the window opens.
    std::array<bool, NumRuote> ruoteInGioco = {true};
    // The wheels in play of the elaborations, verification and delays: the board as it was
    // when the last elaboration started (impostaRuoteInGioco), all eleven before the first.
    std::array<bool, NumRuote> RuoteSel = {true, true, true, true, true, true, true, true, true, true, true};

    // Model draws, most recent first (row r of the table is modello[r - 1]).
    std::vector<RigaModello> modello;

    static constexpr int MaxPrevisioni = 9;
    std::vector<Previsione> previsioni;
    // "Coperti" as last shown (empty when nothing is shown); "Scoperti" is Presenze minus it.
    std::optional<int> coperti;

    // "Fine ricerca" ticked: the selected draw, else the last draw of the archive.
    int calcolaFineRicerca(const ArchivioEstrazioni& archivio) const {
        return fineAllaSelezionata ? EstrazioneSelezionata : archivio.NumEstrazioni();
    }
};

// True when draw i is a model draw by the rule of Mensile (and "Forza ultima mensile").
bool eEstrazioneModello(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, int i);

// Selects the model draws going back from EstrazioneSelezionata and builds their windows
// (FineRicerca is recomputed first). False when no draw qualifies, or when EstrazioneSelezionata
// is not a draw of the archive: the table is then empty.
bool RicavaBaseDati(AnalisiIndice& analisi, const ArchivioEstrazioni& archivio);

// The windows of the model rows (Inizio..End and their marks) from their draws, NumeroColpi and
// FineRicerca; every result of a verification on them is cleared.
void costruisciFinestre(AnalisiIndice& analisi);

// Numbers drawn in the window of a model row on the wheels in play.
Maschera90 numeriFinestra(const RigaModello& riga, const ArchivioEstrazioni& archivio,
                          const std::array<bool, NumRuote>& ruote);

}  // namespace quorvane
