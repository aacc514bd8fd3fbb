#include "archive/db/AvvioArchivio.h"

#include "archive/ArchivioDemo.h"
#include "archive/db/ScaricoAggiornamento.h"
#include "archive/db/ScaricoStorico.h"
#include "core/db/Sessione.h"

namespace quorvane {

void registraAvvioArchivio() {
    Sessione::registraParametro({Parametri::IndirizzoAggiornamenti, IndirizzoAggiornamentiPredefinito, {}});
    Sessione::registraParametro({Parametri::IndirizzoArchivioUfficiale, IndirizzoArchivioUfficialePredefinito, {}});
    for (const QString& nome :
         {ParametriControlloAvvio::Attivo, ParametriControlloAvvio::Etag, ParametriControlloAvvio::UltimaModifica})
        Sessione::registraParametro({nome, {}, {}});
    Sessione::registraArchivioDimostrativo([](const Data& oggi) { return generaArchivioDemo(oggi); });
}

}  // namespace quorvane
