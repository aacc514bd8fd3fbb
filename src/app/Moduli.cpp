#include "app/Moduli.h"

#include "analyses/ui/FinestraMiniElenco.h"
#include "analyses/ui/FinestraQuadrature.h"
#include "analyses/ui/FinestraRipetizioni.h"
#include "analyses/ui/FinestraSistemiOrtogonali.h"
#include "analyses/ui/FinestraSpia.h"
#include "analyses/ui/FinestraStatistiche.h"
#include "analyses/ui/FinestraTabellone.h"
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
    FinestraPrincipale::registraModulo("NumeriSpia",
                                       [](FinestraPrincipale& c) { return new FinestraSpia(c.sessione()); });
    // A click on the board opens the statistics of that number on that wheel.
    FinestraPrincipale::registraModulo("TabelloneAnalitico", [](FinestraPrincipale& c) {
        auto* tabellone = new FinestraTabellone(c.sessione());
        QObject::connect(tabellone, &FinestraTabellone::statisticheNumero, &c,
                         [&c](int numero, const std::array<bool, NumRuote>& ruote, int dal, int al) {
                             if (auto* s = qobject_cast<FinestraStatistiche*>(c.apriModulo("Statistiche")))
                                 s->mostraNumero(numero, ruote, dal, al);
                         });
        return tabellone;
    });
    FinestraPrincipale::registraModulo(
        "Ventrallo", [](FinestraPrincipale& c) { return new FinestraIndice(c.sessione(), c.barraAvanzamento()); });
}

void registraControlliAvvio() {
    FinestraPrincipale::registraAvvio(controlloArchivioAllAvvio);
}

}  // namespace quorvane
