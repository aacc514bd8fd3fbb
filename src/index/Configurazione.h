#pragma once
// A saved set-up of the index analysis with its forecast list, as the program database keeps
// it: the options as positions in the window's lists, the wheels as "1"/"0" per wheel, the
// numbers of each forecast as a 90-character mask.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Griglia.h"
#include "index/MetodoIndice.h"

namespace quorvane {

// One row of Configurazioni.
struct Configurazione {
    static constexpr int MaxNome = 60;

    long long IdConfig = 0;  // "Cod"
    std::string nome;        // Configurazione
    int NE = 0;              // the selected draw
    int Mesi = 0;            // position in ComboPresenze (5..200)
    int Mensile = 0;         // position in ComboMensile ("U", 1..31)
    int Colpi = 0;           // position in ComboC (1..20)
    std::string Ruote;       // "1"/"0" for BA..NZ
    int Fine = 0;            // "Fine ricerca"
};

// One row of ConfigNumeri: a forecast of the list.
struct PrevisioneSalvata {
    long long ID = 0;
    long long IdConfig = 0;
    int Riga = 0;  // its N°
    int Sorte = 0;
    int Esiti = 0;
    std::optional<int> Et;  // never written by the program
    std::string Numeri;     // character n is "1" when n is one of its numbers
};

std::string testoRuote(const std::array<bool, NumRuote>& ruote);
// As many wheels as the text has characters: "1" in play, anything else out.
void applicaRuote(std::string_view testo, std::array<bool, NumRuote>& ruote);

// 90 characters, "1" at each number of the forecast (a number given twice is stored once).
std::string testoNumeri(const Previsione& previsione);
// The positions of the "1"s, ascending; characters past the 90th are not numbers.
std::vector<int> numeriDaTesto(std::string_view testo);

// The options of an analysis as a configuration named `nome`, with the list positions.
Configurazione configurazioneDa(const AnalisiIndice& analisi, std::string nome);
// The options of a configuration put back into an analysis; the selected draw only with
// `conEstrazione`. A position outside its list (a file written elsewhere) leaves that option.
void applicaConfigurazione(const Configurazione& configurazione, bool conEstrazione, AnalisiIndice& analisi,
                           int ultimaEstrazione);

// The forecast list as it is stored, one row per forecast.
std::vector<PrevisioneSalvata> previsioniDaSalvare(const AnalisiIndice& analisi);

// "Carica solo giocate": the stored forecasts become the forecast list (at most nine, the
// numbers ascending, at most eight each), all active, verified again. Rows that cannot be a
// forecast (no number, a sorte outside 1..5, a number outside 1..50) are left out.
void CaricaSoloGiocate(MetodoIndice& metodo, const std::vector<PrevisioneSalvata>& righe);

// The saved configurations (FgE) with all their columns, only "Cod" and the name shown.
void riempiTabellaConfigurazioni(Griglia& g, const std::vector<Configurazione>& configurazioni);
// The stored forecasts (FgCn): the rows of the configuration opened.
void riempiTabellaGiocate(Griglia& g, const std::vector<PrevisioneSalvata>& righe);

}  // namespace quorvane
