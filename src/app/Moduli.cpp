#include "app/Moduli.h"

#include "analyses/ui/FinestraMiniElenco.h"
#include "analyses/ui/FinestraQuadrature.h"
#include "analyses/ui/FinestraRipetizioni.h"
#include "analyses/ui/FinestraSistemiOrtogonali.h"
#include "analyses/ui/FinestraStatistiche.h"
#include "archive/ui/ControlloAvvio.h"
#include "archive/ui/FinestraArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/FinestraPrincipale.h"
#include "index/ui/FinestraIndice.h"

namespace quorvane {

void registraModuli() {
    FinestraPrincipale::registraModulo("archivio", [](FinestraPrincipale& c) { return new FinestraArchivio(c); });
    FinestraPrincipale::registraModulo("Quadrature", [](FinestraPrincipale&) { return new FinestraQuadrature; });
    FinestraPrincipale::registraModulo("SistemiOrtogonali", [](FinestraPrincipale& c) {
        return new FinestraSistemiOrtogonali(c.sessione().programma());
    });
    FinestraPrincipale::registraModulo("Ripetizionenumeri",
                                       [](FinestraPrincipale& c) { return new FinestraRipetizioni(c.sessione()); });
    FinestraPrincipale::registraModulo("Estrazioni_minielenco",
                                       [](FinestraPrincipale& c) { return new FinestraMiniElenco(c.sessione()); });
    FinestraPrincipale::registraModulo("Statistiche",
                                       [](FinestraPrincipale& c) { return new FinestraStatistiche(c.sessione()); });
    FinestraPrincipale::registraModulo(
        "Ventrallo", [](FinestraPrincipale& c) { return new FinestraIndice(c.sessione(), c.barraAvanzamento()); });
}

void registraControlliAvvio() {
    FinestraPrincipale::registraAvvio(controlloArchivioAllAvvio);
}

}  // namespace quorvane
