#include <QSqlQuery>
#include <QVariant>
#include <tuple>

#include "core/db/DatabaseProgramma.h"
#include "index/db/DatabaseConfigurazioni.h"
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

Configurazione configurazione(const std::string& nome) {
    return {0, nome, 7370, 195, 0, 19, "10000000001", 1};
}

std::vector<PrevisioneSalvata> giocate(int quante) {
    std::vector<PrevisioneSalvata> righe;
    for (int i = 1; i <= quante; ++i) {
        PrevisioneSalvata p;
        p.Riga = i;
        p.Sorte = 2;
        p.Esiti = 10 - i;
        p.Numeri = std::string(90, '0');
        p.Numeri[static_cast<std::size_t>(i)] = '1';
        righe.push_back(p);
    }
    return righe;
}

int conta(DatabaseProgramma& db, const QString& tabella) {
    QSqlQuery q(db.db());
    EXPECT_TRUE(q.exec("SELECT COUNT(*) FROM " + tabella));
    q.next();
    return q.value(0).toInt();
}

std::vector<Configurazione> elenco(DatabaseProgramma& db) {
    QString errore;
    auto voci = leggiConfigurazioni(db.db(), &errore);
    EXPECT_TRUE(voci) << errore.toStdString();
    return voci.value_or(std::vector<Configurazione>{});
}

}  // namespace

TEST(DatabaseConfigurazioni, SalvaRileggeEOrdinaPerNome) {
    test::CartellaTemporanea cartella;
    auto db = apri(cartella);
    ASSERT_TRUE(db);
    QString errore;
    // Any characters: quotes and SQL text are the user's name, nothing more.
    const std::string strano = "l'ambo \"d'oro\"); DROP TABLE Configurazioni; --";
    const auto primo = salvaConfigurazione(db->db(), configurazione(strano), giocate(2), &errore);
    ASSERT_TRUE(primo) << errore.toStdString();
    std::vector<PrevisioneSalvata> disordinate = giocate(3);
    std::swap(disordinate[0], disordinate[2]);
    const auto secondo = salvaConfigurazione(db->db(), configurazione("Bari e Nazionale"), disordinate, &errore);
    ASSERT_TRUE(secondo);
    ASSERT_TRUE(salvaConfigurazione(db->db(), configurazione("alfa"), giocate(1), &errore));

    const auto voci = elenco(*db);
    ASSERT_EQ(voci.size(), 3u);
    EXPECT_EQ(voci[0].nome, "alfa");  // letter case does not decide the order
    EXPECT_EQ(voci[1].nome, "Bari e Nazionale");
    EXPECT_EQ(voci[2].nome, strano);
    const Configurazione& c = voci[1];
    EXPECT_EQ(c.IdConfig, *secondo);
    EXPECT_EQ(std::tie(c.NE, c.Mesi, c.Mensile, c.Colpi, c.Ruote, c.Fine),
              std::make_tuple(7370, 195, 0, 19, std::string("10000000001"), 1));

    auto righe = leggiPrevisioniSalvate(db->db(), *secondo, &errore);
    ASSERT_TRUE(righe);
    ASSERT_EQ(righe->size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ((*righe)[i].Riga, i + 1);  // by row number, whatever the order of writing
        EXPECT_EQ((*righe)[i].IdConfig, *secondo);
        EXPECT_FALSE((*righe)[i].Et.has_value());
    }
    EXPECT_EQ((*righe)[0].Esiti, 9);
    EXPECT_EQ((*righe)[2].Numeri, giocate(3)[2].Numeri);
}

TEST(DatabaseConfigurazioni, DenominazioniRifiutateLascianoTuttoComEra) {
    test::CartellaTemporanea cartella;
    auto db = apri(cartella);
    ASSERT_TRUE(db);
    QString errore;
    ASSERT_TRUE(salvaConfigurazione(db->db(), configurazione("Prova"), giocate(2), &errore));
    Configurazione altra = configurazione("PROVA");
    altra.NE = 1;
    EXPECT_FALSE(salvaConfigurazione(db->db(), altra, giocate(4), &errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_FALSE(salvaConfigurazione(db->db(), configurazione(""), giocate(1), &errore));
    EXPECT_FALSE(salvaConfigurazione(db->db(), configurazione("   "), giocate(1), &errore));
    // Names are compared as the player reads them: spaces around, letter case, Unicode form.
    for (const char* uguale : {" prova", "prova ", "PRO\u200BVA", "Prov\u0061"})
        EXPECT_FALSE(salvaConfigurazione(db->db(), configurazione(uguale), giocate(1), &errore)) << uguale;
    EXPECT_FALSE(salvaConfigurazione(db->db(), configurazione("\u200B\u00A0"), giocate(1), &errore));
    EXPECT_EQ(errore, "la denominazione non ha caratteri visibili");
    // Sixty characters, accented ones counted once, are allowed; sixty-one are not.
    std::string sessanta;
    for (int i = 0; i < 60; ++i) sessanta += "è";
    EXPECT_TRUE(salvaConfigurazione(db->db(), configurazione(sessanta), giocate(1), &errore)) << errore.toStdString();
    EXPECT_FALSE(salvaConfigurazione(db->db(), configurazione(sessanta + "x"), giocate(1), &errore));

    const auto voci = elenco(*db);
    ASSERT_EQ(voci.size(), 2u);
    EXPECT_EQ(voci[0].nome, "Prova");
    EXPECT_EQ(voci[0].NE, 7370);
    EXPECT_EQ(conta(*db, "ConfigNumeri"), 3);
}

TEST(DatabaseConfigurazioni, UnGuastoDopoLaPrimaGiocataNonLasciaNulla) {
    test::CartellaTemporanea cartella;
    auto db = apri(cartella);
    ASSERT_TRUE(db);
    QString errore;
    ASSERT_TRUE(salvaConfigurazione(db->db(), configurazione("Esistente"), giocate(1), &errore));
    // The disk fails while the second forecast row is written.
    ASSERT_TRUE(
        QSqlQuery(db->db()).exec("CREATE TRIGGER guasto BEFORE INSERT ON ConfigNumeri "
                                 "WHEN (SELECT COUNT(*) FROM ConfigNumeri WHERE IdConfig = NEW.IdConfig) >= 1 "
                                 "BEGIN SELECT RAISE(ABORT, 'disco pieno'); END"));
    EXPECT_FALSE(salvaConfigurazione(db->db(), configurazione("Nuova"), giocate(3), &errore));
    EXPECT_TRUE(errore.contains("disco pieno")) << errore.toStdString();
    EXPECT_EQ(conta(*db, "Configurazioni"), 1);
    EXPECT_EQ(conta(*db, "ConfigNumeri"), 1);
    // The connection is usable afterwards: the same name saves once the disk is back.
    ASSERT_TRUE(QSqlQuery(db->db()).exec("DROP TRIGGER guasto"));
    EXPECT_TRUE(salvaConfigurazione(db->db(), configurazione("Nuova"), giocate(3), &errore)) << errore.toStdString();
    EXPECT_EQ(conta(*db, "ConfigNumeri"), 4);
}

TEST(DatabaseConfigurazioni, EliminaConLeSueGiocate) {
    test::CartellaTemporanea cartella;
    auto db = apri(cartella);
    ASSERT_TRUE(db);
    QString errore;
    const auto tenuta = salvaConfigurazione(db->db(), configurazione("Tenuta"), giocate(2), &errore);
    const auto tolta = salvaConfigurazione(db->db(), configurazione("Tolta"), giocate(3), &errore);
    ASSERT_TRUE(tenuta && tolta);
    ASSERT_TRUE(QSqlQuery(db->db()).exec("PRAGMA foreign_keys = OFF"));  // no help from a cascade
    EXPECT_EQ(eliminaConfigurazione(db->db(), *tolta, &errore), EsitoEliminazione::Eliminata);
    EXPECT_EQ(eliminaConfigurazione(db->db(), *tolta, &errore), EsitoEliminazione::Inesistente);
    EXPECT_EQ(conta(*db, "Configurazioni"), 1);
    EXPECT_EQ(conta(*db, "ConfigNumeri"), 2);
    EXPECT_EQ(leggiPrevisioniSalvate(db->db(), *tenuta, &errore)->size(), 2u);
}
