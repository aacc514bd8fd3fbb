#include "app/db/Funzionalita.h"

#include "analyses/db/DatabaseListe.h"
#include "analyses/db/DatabaseSistemi.h"
#include "archive/db/AvvioArchivio.h"
#include "index/db/DatabaseConfigurazioni.h"
#include "index/db/DatabaseLavoro.h"

namespace quorvane {

void registraFunzionalita() {
    // In this order the tables are created as the program has always created them.
    registraTabelleConfigurazioni();
    registraTabelleSistemi();
    registraTabelleListe();
    registraTabelleLavoro();
    registraAvvioArchivio();
}

}  // namespace quorvane
