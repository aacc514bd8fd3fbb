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
    for (const QString& nome :
         {ParametriControlloAvvio::Attivo, ParametriControlloAvvio::Etag, ParametriControlloAvvio::UltimaModifica})
        Sessione::registraParametro({nome, {}, {}});
    registraDescrizioneParametro(Parametri::IndirizzoAggiornamenti,
                                 QStringLiteral("Indirizzo del file di aggiornamento"));
    registraDescrizioneParametro(Parametri::IndirizzoArchivioUfficiale,
                                 QStringLiteral("Indirizzo dell'archivio ufficiale"));
    registraDescrizioneParametro(ParametriControlloAvvio::Attivo,
                                 QStringLiteral("Controllo dell'archivio ufficiale all'avvio"));
    registraDescrizioneParametro(ParametriControlloAvvio::Etag,
                                 QStringLiteral("Versione dell'archivio ufficiale già letta"));
    registraDescrizioneParametro(ParametriControlloAvvio::UltimaModifica,
                                 QStringLiteral("Data dell'archivio ufficiale già letto"));
    Sessione::registraArchivioDimostrativo([](const Data& oggi) { return generaArchivioDemo(oggi); });
}

}  // namespace quorvane
