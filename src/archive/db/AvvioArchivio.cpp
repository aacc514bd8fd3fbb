#include "archive/db/AvvioArchivio.h"

#include "archive/ArchivioDemo.h"
#include "archive/db/ScaricoAggiornamento.h"
#include "archive/db/ScaricoStorico.h"
#include "core/db/DescrizioniParametri.h"
#include "core/db/Sessione.h"

namespace quorvane {

void registraAvvioArchivio() {
    Sessione::registraParametro({Parametri::IndirizzoAggiornamenti, IndirizzoAggiornamentiPredefinito, {}});
    Sessione::registraParametro({Parametri::IndirizzoArchivioUfficiale, IndirizzoArchivioUfficialePredefinito, {}});
    registraDescrizioneParametro(Parametri::IndirizzoAggiornamenti,
                                 QStringLiteral("Indirizzo del file di aggiornamento"));
    registraDescrizioneParametro(Parametri::IndirizzoArchivioUfficiale,
                                 QStringLiteral("Indirizzo dell'archivio ufficiale"));
    Sessione::registraArchivioDimostrativo([](const Data& oggi) { return generaArchivioDemo(oggi); });
}

}  // namespace quorvane
