#pragma once
// The names the command line's JSON gives its tables and lists, each beside the window's control
// it shows. Scripts rely on them (README, "JSON della riga di comando"): a name changes only with
// a note there.
#include <string_view>

namespace quorvane::cli {

namespace tabelle {
inline constexpr std::string_view Estrazioni = "estrazioni";                       // fgpa
inline constexpr std::string_view PeriodoModello = "periodo_modello";              // periodo
inline constexpr std::string_view EstrazioniModello = "estrazioni_modello";        // FgV
inline constexpr std::string_view Ritardi = "ritardi";                             // FgRit
inline constexpr std::string_view CoperturaCoppie = "copertura_coppie";            // Fg9090
inline constexpr std::string_view Formazioni = "formazioni";                       // Fg_CC
inline constexpr std::string_view Previsioni = "previsioni";                       // Fg_ZZ
inline constexpr std::string_view EstrazioniSuccessive = "estrazioni_successive";  // Fg1 of the index window
inline constexpr std::string_view GiocateStoriche = "giocate_storiche";            // FgStorico
inline constexpr std::string_view Combinazioni = "combinazioni";                   // FgConfronto
inline constexpr std::string_view RigheAggiornamento = "righe_aggiornamento";      // FgImporta
inline constexpr std::string_view Calendario = "calendario";                       // fg1 of the calendar
inline constexpr std::string_view Quadratura = "quadratura";                       // fg1 of the quadrature
inline constexpr std::string_view Sistemi = "sistemi";                             // FgSistemi
inline constexpr std::string_view SviluppoSistema = "sviluppo_sistema";            // fG88
inline constexpr std::string_view Ripetizioni = "ripetizioni";                     // Fg2 of the repetitions
inline constexpr std::string_view Statistiche = "statistiche";                     // FgStatistiche
inline constexpr std::string_view NumeriSpia = "numeri_spia";                      // FgSpia
inline constexpr std::string_view Tabellone = "tabellone";                         // FgTabellone
inline constexpr std::string_view NumeriEstrazione = "numeri_estrazione";          // Fg2 of the mini list
inline constexpr std::string_view Configurazioni = "configurazioni";               // FgE
inline constexpr std::string_view EsitiPerQuantita = "esiti_per_quantita";         // Fg1 of the summary
inline constexpr std::string_view EsitiPerColpo = "esiti_per_colpo";               // Fg2 of the summary
}  // namespace tabelle

namespace chiavi {
// The lines the update window lists under its table.
inline constexpr std::string_view Resoconto = "resoconto";  // List4
// The comparison of option sets: the best one's values and its summary on the test years.
inline constexpr std::string_view Migliore = "migliore";
inline constexpr std::string_view Prova = "prova";
}  // namespace chiavi

}  // namespace quorvane::cli
