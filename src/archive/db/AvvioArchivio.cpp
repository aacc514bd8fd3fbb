#include "archive/db/AvvioArchivio.h"

#include "archive/ArchivioDemo.h"
#include "archive/db/ScaricoAggiornamento.h"
#include "archive/db/ScaricoStorico.h"
#include "core/db/Sessione.h"

namespace quorvane {

void registraAvvioArchivio() {
    Sessione::registraParametro({Parametri::IndirizzoAggiornamenti, IndirizzoAggiornamentiPredefinito, {}});
    Sessione::registraParametro({Parametri::IndirizzoArchivioUfficiale, IndirizzoArchivioUfficialePredefinito, {}});
    Sessione::registraArchivioDimostrativo([](const Data& oggi) { return generaArchivioDemo(oggi); });
}

}  // namespace quorvane
