#include "app/Moduli.h"

#include "analyses/ui/Estrazioni_minielenco.h"
#include "analyses/ui/Quadrature.h"
#include "analyses/ui/Ripetizionenumeri.h"
#include "analyses/ui/SistemiOrtogonali.h"
#include "analyses/ui/StatisticheNumeri.h"
#include "archive/ui/FinestraArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Container.h"
#include "index/ui/FinestraIndice.h"

namespace quorvane {

void registraModuli() {
    Container::registraModulo("archivio", [](Container& c) { return new FinestraArchivio(c); });
    Container::registraModulo("Quadrature", [](Container&) { return new Quadrature; });
    Container::registraModulo("SistemiOrtogonali",
                              [](Container& c) { return new SistemiOrtogonali(c.sessione().programma()); });
    Container::registraModulo("Ripetizionenumeri", [](Container& c) { return new Ripetizionenumeri(c.sessione()); });
    Container::registraModulo("Estrazioni_minielenco",
                              [](Container& c) { return new Estrazioni_minielenco(c.sessione()); });
    Container::registraModulo("Statistiche", [](Container& c) { return new StatisticheNumeri(c.sessione()); });
    Container::registraModulo("Ventrallo", [](Container& c) { return new FinestraIndice(c.sessione(), c.Pb1()); });
}

}  // namespace quorvane
