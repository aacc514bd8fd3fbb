#include <QString>

#include "archive/ControlloAggiornamento.h"
#include "archive/db/FileArchivio.h"
#include "archive/db/FileSorgente.h"
#include "archive/db/ScritturaArchivio.h"
#include "core/FileDati.h"
#include "core/db/DatabaseArchivio.h"
#include "support/ScritturaZip.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::qpath;

namespace {

std::vector<RigaArchivio> leggi(DatabaseArchivio& db) {
    QString errore;
    auto righe = db.leggiEstrazioni(&errore);
    EXPECT_TRUE(righe) << errore.toStdString();
    return righe.value_or(std::vector<RigaArchivio>{});
}

void confrontaRighe(const std::vector<RigaArchivio>& a, const std::vector<RigaArchivio>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].data, b[i].data) << i;
        ASSERT_EQ(a[i].ruote, b[i].ruote) << a[i].data;
    }
}

std::vector<RigaAggiornamento> righeDi(EsitoSorgente esito) {
    if (auto* e = std::get_if<ErroreSorgente>(&esito)) {
        ADD_FAILURE() << e->messaggio;
        return {};
    }
    return std::get<std::vector<RigaAggiornamento>>(std::move(esito));
}

}  // namespace

// The last 100 draws removed from a copy of the real archive come back whole from an update
// file of them.
TEST(AggiornamentoReale, UltimeCentoEstrazioniRipristinate) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    QString errore;
    ASSERT_TRUE(importaStorico(qpath(test::percorsoStorico()), qpath(cartella / "a.db"), &errore))
        << errore.toStdString();
    auto db = DatabaseArchivio::apri(qpath(cartella / "a.db"), &errore);
    ASSERT_TRUE(db);
    const auto originali = leggi(*db);
    ASSERT_GT(originali.size(), 7000u);

    std::string file;
    for (std::size_t i = originali.size() - 100; i < originali.size(); ++i) {
        file += rigaFileAggiornamento(originali[i]) + "\r\n";
        ASSERT_EQ(eliminaEstrazione(*db, *Data::daTesto(originali[i].data), &errore), EsitoScrittura::Fatta);
    }
    test::scriviFile(cartella / "agg.txt", file);
    const auto righe = righeDi(leggiFileAggiornamento(qpath(cartella / "agg.txt")));
    ASSERT_EQ(righe.size(), 100u);

    const auto esito = scriviAggiornamento(*db, righe, false);
    const auto& controllo = esito.controllo;
    ASSERT_EQ(controllo.righeSegnalate.size(), 101u);
    EXPECT_EQ(controllo.righeSegnalate.front(), "Manca estrazione del: " + originali.back().data);
    EXPECT_EQ(controllo.righeSegnalate.back(), "Nessuna anomalia rilevata");
    EXPECT_TRUE(esito.errore.isEmpty()) << esito.errore.toStdString();
    EXPECT_EQ(esito.aggiunte, 100);
    confrontaRighe(leggi(*db), originali);

    // Run again, the update finds every draw equal.
    const auto ancora = ConfrontoAggiornamento(righe, leggi(*db));
    EXPECT_EQ(ancora.righeSegnalate, std::vector<std::string>{"Nessuna anomalia rilevata"});
}

// The official file, plain or zipped, through the update pipeline into an empty archive gives
// the same archive as the direct import, wheels not drawn included.
TEST(AggiornamentoReale, StoricoComeAggiornamentoUgualeAllImportazione) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    QString errore;
    ASSERT_TRUE(importaStorico(qpath(test::percorsoStorico()), qpath(cartella / "diretto.db"), &errore));
    auto diretto = DatabaseArchivio::apri(qpath(cartella / "diretto.db"), &errore);
    ASSERT_TRUE(diretto);

    const auto righe = righeDi(leggiSorgenteAggiornamento(qpath(test::percorsoStorico())));
    test::scriviZip(cartella / "storico.zip", test::leggiFile(test::percorsoStorico()));
    const auto zippate = righeDi(leggiStoricoComeAggiornamento(qpath(cartella / "storico.zip")));
    ASSERT_EQ(zippate.size(), righe.size());
    EXPECT_EQ(zippate.back().ruote, righe.back().ruote);
    auto nuovo = DatabaseArchivio::apriOCrea(qpath(cartella / "nuovo.db"), &errore);
    ASSERT_TRUE(nuovo);
    const auto esito = scriviAggiornamento(*nuovo, righe, false);
    EXPECT_EQ(esito.controllo.errori, 0);
    EXPECT_EQ(esito.aggiunte, static_cast<int>(righe.size()));
    confrontaRighe(leggi(*nuovo), leggi(*diretto));
}

TEST(AggiornamentoReale, UnoZipCheSiGonfiaOltreIlLimiteRifiutato) {
    test::CartellaTemporanea cartella;
    // A few kilobytes that unpack past any file of draws: refused before the memory fills.
    test::scriviZip(cartella / "gonfio.zip", std::string(MassimoFileDati + 1, ' '));
    QString errore;
    EXPECT_FALSE(leggiFileOZip(qpath(cartella / "gonfio.zip"), &errore));
    EXPECT_TRUE(errore.contains("troppo grande")) << errore.toStdString();
}
