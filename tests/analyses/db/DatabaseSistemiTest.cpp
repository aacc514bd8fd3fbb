#include <QSqlQuery>

#include "analyses/db/DatabaseSistemi.h"
#include "core/db/DatabaseProgramma.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::qpath;

namespace {

std::unique_ptr<DatabaseProgramma> apri(const test::CartellaTemporanea& cartella) {
    QString errore;
    auto db = DatabaseProgramma::apri(qpath(cartella.percorso()), {}, &errore);
    EXPECT_TRUE(db) << errore.toStdString();
    return db;
}

std::vector<VoceSistema> elenco(DatabaseProgramma& db) {
    QString errore;
    auto voci = leggiElencoSistemi(db.db(), &errore);
    EXPECT_TRUE(voci) << errore.toStdString();
    return voci.value_or(std::vector<VoceSistema>{});
}
}  // namespace

TEST(DatabaseSistemi, OgniSistemaMemorizzatoGarantisceLAmbo) {
    test::CartellaTemporanea cartella;
    auto db = apri(cartella);
    ASSERT_TRUE(db);
    const auto sistemi = elenco(*db);
    ASSERT_EQ(sistemi.size(), 16u);
    int numeriPrima = 0;
    for (const VoceSistema& s : sistemi) {
        SCOPED_TRACE(s.denominazione);
        QString errore;
        auto righe = leggiRigheSistema(db->db(), s.cod, &errore);
        ASSERT_TRUE(righe) << errore.toStdString();
        ASSERT_FALSE(righe->empty());
        ASSERT_LE(righe->size(), 99u);
        // Every pair of the base numbers in exactly one row, read back from the masks.
        std::vector<int> volte(91 * 91, 0);
        std::vector<bool> usato(91, false);
        for (std::size_t i = 0; i < righe->size(); ++i) {
            const RigaSalvata& r = (*righe)[i];
            EXPECT_EQ(r.nuRiga, std::to_string(i + 1));
            ASSERT_EQ(r.num.size(), 90u);
            std::vector<int> numeri;
            for (int k = 1; k <= 90; ++k)
                if (r.num[k - 1] == 'X') numeri.push_back(k);
            EXPECT_EQ(static_cast<int>(numeri.size()), s.sviluppo);
            EXPECT_EQ(r.qn, std::to_string(s.sviluppo));
            for (std::size_t a = 0; a < numeri.size(); ++a) {
                usato[numeri[a]] = true;
                for (std::size_t b = a + 1; b < numeri.size(); ++b) ++volte[numeri[a] * 91 + numeri[b]];
            }
        }
        int base = 0;
        while (base < 90 && usato[base + 1]) ++base;
        for (int k = base + 1; k <= 90; ++k) ASSERT_FALSE(usato[k]) << "numeri base non consecutivi";
        for (int a = 1; a <= base; ++a)
            for (int b = a + 1; b <= base; ++b) ASSERT_EQ(volte[a * 91 + b], 1) << a << "," << b;
        EXPECT_GE(base, numeriPrima);  // listed by size
        numeriPrima = base;
    }
}

TEST(DatabaseSistemi, LaBibliotecaSiScriveSoloSeNonCiSonoSistemi) {
    test::CartellaTemporanea cartella;
    {
        auto db = apri(cartella);
        ASSERT_TRUE(db);
    }
    {
        auto db = apri(cartella);  // reopened: nothing added twice
        ASSERT_TRUE(db);
        EXPECT_EQ(elenco(*db).size(), 16u);
        QSqlQuery q(db->db());
        ASSERT_TRUE(q.exec("DELETE FROM Sist_OrtoSv"));
        ASSERT_TRUE(q.exec("DELETE FROM Sist_Ortogonali"));
    }
    {
        auto db = apri(cartella);  // found empty: written again
        ASSERT_TRUE(db);
        const auto sistemi = elenco(*db);
        ASSERT_EQ(sistemi.size(), 16u);
        QSqlQuery q(db->db());
        ASSERT_TRUE(q.exec("DELETE FROM Sist_Ortogonali WHERE IdOrto <> " + QString::number(sistemi[3].cod)));
    }
    auto db = apri(cartella);  // a user's own choice of systems is left alone
    ASSERT_TRUE(db);
    const auto rimasti = elenco(*db);
    ASSERT_EQ(rimasti.size(), 1u);
    EXPECT_EQ(rimasti[0].denominazione, "13 numeri in 26 righe da 3 (sistema di Steiner), ambo garantito");
    EXPECT_EQ(rimasti[0].sviluppo, 3);
    QString errore;
    auto nessuna = leggiRigheSistema(db->db(), 999, &errore);
    ASSERT_TRUE(nessuna);
    EXPECT_TRUE(nessuna->empty());
}
