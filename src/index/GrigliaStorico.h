#pragma once
// The results of the historical test as the window and the command line show them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Griglia.h"
#include "index/ConfrontoStorico.h"

namespace quorvane {

// The plays of the test (FgStorico): one row per play; plays that won have a green colpo and win.
void riempiTabellaStorico(Griglia& g, const std::vector<GiocataStorica>& giocate, const ArchivioEstrazioni& archivio,
                          std::string_view separatore);

// The summary as (name, text) pairs in the order shown: "Punti", "Giocate", "Vincite",
// "Attese", "Rapporto", "z", "Puntata", "Incasso", "Resa", "Resa attesa", "p" (with its
// standard error when simulated).
std::vector<std::pair<std::string, std::string>> testiRiepilogoStorico(const RiepilogoStorico& r,
                                                                       std::string_view separatore);

// The combinations of a comparison (FgConfronto): the options' values, then the training
// figures; by p, the smallest first (equal p as listed, no p last), so the best, green, leads.
void riempiTabellaConfronto(Griglia& g, const std::vector<OpzioneConfronto>& opzioni, const EsitoConfronto& esito,
                            std::string_view separatore);

// p as shown: three decimals (four below 1%), "< 0,001" below 0,0005, "± e" when simulated;
// empty when there is none.
std::string testoProbabilita(const RiepilogoStorico& r, std::string_view separatore);

// A number with `decimali` digits after `separatore`, rounded half away from zero.
std::string testoDecimale(double valore, int decimali, std::string_view separatore);

}  // namespace quorvane
