#include "archive/db/ScritturaArchivio.h"
#include "core/db/DatabaseArchivio.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;

// Only rows really written are counted and listed: a date already stored with other numbers is
// left alone without --correggi, a date met twice is added once.
TEST(ScritturaArchivio, ContaSoloLeRigheScritte) {
    test::CartellaTemporanea cartella;
    QString errore;
    auto db = DatabaseArchivio::apriOCrea(test::qpath(cartella / "a.db"), &errore);
    ASSERT_TRUE(db) << errore.toStdString();
    const auto riga = [](const std::string& data, const std::string& bari) {
        RigaAggiornamento r;
        r.data = data;
        r.ruote.fill(std::string(LunghezzaTestoRuota, ' '));
        r.ruote[0] = bari;
        return r;
    };
    ASSERT_EQ(scriviAggiornamento(*db, {riga("03/01/2023", "10-20-30-40-50")}, false).aggiunte, 1);

    const EsitoAggiornamento esito = scriviAggiornamento(
        *db,
        {riga("03/01/2023", "01-02-03-04-05"), riga("05/01/2023", "11-21-31-41-51"),
         riga("05/01/2023", "12-22-32-42-52")},
        false);
    EXPECT_TRUE(esito.errore.isEmpty()) << esito.errore.toStdString();
    EXPECT_EQ(esito.aggiunte, 1);
    EXPECT_EQ(esito.modificate, 0);
    EXPECT_EQ(esito.righeScritte, std::vector<std::string>{"Aggiunta estrazione del 05/01/2023"});
    EXPECT_EQ(esito.controllo.righe[0].stato, StatoRiga::Diversa);

    const auto righe = db->leggiEstrazioni(&errore);
    ASSERT_TRUE(righe) << errore.toStdString();
    ASSERT_EQ(righe->size(), 2u);
    EXPECT_EQ((*righe)[0].ruote[0], "10-20-30-40-50");
    EXPECT_EQ((*righe)[1].ruote[0], "11-21-31-41-51");
}
