#include "archive/db/ScritturaArchivio.h"
#include "core/db/DatabaseArchivio.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;

// Only rows really written are counted and listed: a date already stored (or met twice in the
// same file) is left alone, a correction of a date not stored changes nothing.
TEST(ScritturaArchivio, ContaSoloLeRigheScritte) {
    test::CartellaTemporanea cartella;
    QString errore;
    auto db = DatabaseArchivio::apriOCrea(test::qpath(cartella / "a.db"), &errore);
    ASSERT_TRUE(db) << errore.toStdString();
    const auto scrittura = [](bool aggiunta, Data data, const std::string& bari) {
        ScritturaEstrazione s;
        s.aggiunta = aggiunta;
        s.data = data;
        s.ruote[0] = bari;
        return s;
    };
    const Data presente{2023, 1, 3}, nuova{2023, 1, 5}, assente{2023, 1, 7};
    ASSERT_EQ(scriviAggiornamento(*db, {scrittura(true, presente, "10-20-30-40-50")}).aggiunte, 1);

    const EsitoAggiornamento esito = scriviAggiornamento(
        *db, {scrittura(true, presente, "01-02-03-04-05"), scrittura(true, nuova, "11-21-31-41-51"),
              scrittura(true, nuova, "12-22-32-42-52"), scrittura(false, assente, "13-23-33-43-53")});
    EXPECT_TRUE(esito.errore.isEmpty()) << esito.errore.toStdString();
    EXPECT_EQ(esito.aggiunte, 1);
    EXPECT_EQ(esito.modificate, 0);
    EXPECT_EQ(esito.righeScritte, std::vector<std::string>{"Aggiunta estrazione del05/01/2023"});

    const auto righe = db->leggiEstrazioni(&errore);
    ASSERT_TRUE(righe) << errore.toStdString();
    ASSERT_EQ(righe->size(), 2u);
    EXPECT_EQ((*righe)[0].ruote[0], "10-20-30-40-50");
    EXPECT_EQ((*righe)[1].ruote[0], "11-21-31-41-51");
}
