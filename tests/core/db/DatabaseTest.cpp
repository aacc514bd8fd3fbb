#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include "archive/db/FileArchivio.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/DatabaseProgramma.h"
#include "core/db/Sessione.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::qpath;

namespace {

const Data oggi{2026, 12, 8};

const char* const storicoPiccolo =
    "1939/01/07\tBA\t58\t22\t47\t49\t69\n"
    "1939/01/07\tRM\t1\t2\t3\t4\t5\n"
    "1939/01/14\tBA\t7\t8\t9\t10\t11\n"
    "2005/05/04\tRN\t90\t89\t88\t87\t86\n";

int contaRighe(DatabaseProgramma& db, const QString& tabella) {
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("SELECT count(*) FROM ") + tabella);
    return q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

TEST(DatabaseProgramma, ParametriSenzaDistinguereMaiuscole) {
    test::CartellaTemporanea cartella;
    QString errore;
    auto db = DatabaseProgramma::apri(qpath(cartella.percorso()),
                                      {{"PercorsoArchivio", "a.db", {}}, {"Indirizzointernet", "x", {}}}, &errore);
    ASSERT_TRUE(db) << errore.toStdString();
    EXPECT_EQ(db->parametro("percorsoarchivio").value_or(""), "a.db");
    EXPECT_EQ(db->parametro("INDIRIZZOINTERNET").value_or(""), "x");
    EXPECT_TRUE(db->impostaParametro("percorsoarchivio", "b.db"));
    EXPECT_EQ(db->parametro("PercorsoArchivio").value_or(""), "b.db");
    // A missing row is never created.
    EXPECT_FALSE(db->impostaParametro("EstrazioneIniziale", "3"));
    EXPECT_FALSE(db->parametro("EstrazioneIniziale").has_value());
    auto elenco = db->parametri();
    ASSERT_EQ(elenco.size(), 2);
    EXPECT_EQ(elenco[0].nome, "Indirizzointernet");  // sorted by name
    // Every table exists; only the orthogonal systems come filled (their own tests check them).
    for (const char* tabella : {"Salvataggi", "Configurazioni", "ConfigNumeri"})
        EXPECT_EQ(contaRighe(*db, tabella), 0) << tabella;
    for (const char* tabella : {"Sist_Ortogonali", "Sist_OrtoSv"}) EXPECT_GT(contaRighe(*db, tabella), 0) << tabella;
}

TEST(DatabaseProgramma, FileCorrottoSegnalatoSenzaToccarlo) {
    test::CartellaTemporanea cartella;
    const auto file = cartella / "DbQuorvane.db";
    test::scriviFile(file, std::string(4096, 'x'));
    QString errore;
    EXPECT_FALSE(DatabaseProgramma::apri(qpath(cartella.percorso()), {}, &errore));
    EXPECT_TRUE(errore.contains("non è un database valido")) << errore.toStdString();
    EXPECT_EQ(test::leggiFile(file), std::string(4096, 'x'));
    EXPECT_FALSE(Sessione::avvia(qpath(cartella.percorso()), oggi, &errore));
}

TEST(DatabaseProgramma, FileVuotoRiceveIParametriComeUnoNuovo) {
    test::CartellaTemporanea cartella;
    test::scriviFile(cartella / "DbQuorvane.db", "");  // as a first start that failed leaves it
    QString errore;
    auto db = DatabaseProgramma::apri(qpath(cartella.percorso()), {{"PercorsoArchivio", "a.db", ""}}, &errore);
    ASSERT_TRUE(db) << errore.toStdString();
    EXPECT_TRUE(db->creato());
    EXPECT_EQ(db->parametro(QStringLiteral("PercorsoArchivio")).value_or(QString()), QStringLiteral("a.db"));
}

TEST(DatabaseArchivio, RifiutaFileCheNonSonoArchivi) {
    test::CartellaTemporanea cartella;
    QString errore;
    const auto assente = cartella / "assente.db";
    EXPECT_FALSE(DatabaseArchivio::apri(qpath(assente), &errore));
    EXPECT_FALSE(std::filesystem::exists(assente));  // opening never creates a file

    test::scriviFile(cartella / "testo.db", "non sono un database\n");
    EXPECT_FALSE(DatabaseArchivio::apri(qpath(cartella / "testo.db"), &errore));

    {
        QString e;
        auto altro = DatabaseProgramma::apri(qpath(cartella.percorso()), {}, &e);
        ASSERT_TRUE(altro);
    }
    EXPECT_FALSE(DatabaseArchivio::apri(qpath(cartella / "DbQuorvane.db"), &errore));
    EXPECT_TRUE(errore.contains("non contiene un archivio")) << errore.toStdString();
}

// An archive written by another program: NULL wheels read as empty, a value holding a tab refused.
TEST(DatabaseArchivio, LeggeValoriNulliERifiutaLeTabulazioni) {
    test::CartellaTemporanea cartella;
    QString errore;
    auto db = DatabaseArchivio::apriOCrea(qpath(cartella / "a.db"), &errore);
    ASSERT_TRUE(db) << errore.toStdString();
    QSqlQuery q(db->db());
    ASSERT_TRUE(
        q.exec("INSERT INTO EstrazioniLotto (DataEstrazione, Ba, Ca, Nz) "
               "VALUES ('1939-01-07', '58-22-47-49-69', NULL, '1-2-3-4-5')"));
    auto righe = db->leggiEstrazioni(&errore);
    ASSERT_TRUE(righe) << errore.toStdString();
    ASSERT_EQ(righe->size(), 1u);
    EXPECT_EQ((*righe)[0].data, "07/01/1939");
    EXPECT_EQ((*righe)[0].ruote[0], "58-22-47-49-69");
    EXPECT_EQ((*righe)[0].ruote[1], "");
    EXPECT_EQ((*righe)[0].ruote[10], "1-2-3-4-5");

    ASSERT_TRUE(q.exec("UPDATE EstrazioniLotto SET Ca = '1-2' || char(9) || '3'"));
    EXPECT_FALSE(db->leggiEstrazioni(&errore));
    EXPECT_TRUE(errore.contains("tabulazione")) << errore.toStdString();
}

TEST(Importazione, AggiungeSoloLeEstrazioniNuoveInDataOrdinata) {
    test::CartellaTemporanea cartella;
    const auto file = cartella / "storico.txt";
    const QString archivio = qpath(cartella / "sotto" / "archivio.db");
    QDir().mkpath(qpath(cartella / "sotto"));
    test::scriviFile(file, storicoPiccolo);
    QString errore;
    auto esito = importaStorico(qpath(file), archivio, &errore);
    ASSERT_TRUE(esito) << errore.toStdString();
    EXPECT_EQ(esito->lette, 3);
    EXPECT_EQ(esito->aggiunte, 3);

    // Again with one more draw: only that one is added.
    test::scriviFile(file, std::string(storicoPiccolo) + "1950/06/10\tVE\t1\t9\t17\t25\t33\n");
    esito = importaStorico(qpath(file), archivio, &errore);
    ASSERT_TRUE(esito) << errore.toStdString();
    EXPECT_EQ(esito->lette, 4);
    EXPECT_EQ(esito->aggiunte, 1);

    auto db = DatabaseArchivio::apri(archivio, &errore);
    ASSERT_TRUE(db);
    auto righe = db->leggiEstrazioni(&errore);
    ASSERT_TRUE(righe);
    ASSERT_EQ(righe->size(), 4u);
    EXPECT_EQ((*righe)[0].data, "07/01/1939");
    EXPECT_EQ((*righe)[0].ruote[0], "58-22-47-49-69");
    EXPECT_EQ((*righe)[0].ruote[7], "01-02-03-04-05");  // RM is Roma
    EXPECT_EQ((*righe)[0].ruote[1], "");                // a wheel not drawn stays empty
    EXPECT_EQ((*righe)[2].data, "10/06/1950");
    EXPECT_EQ((*righe)[3].ruote[10], "90-89-88-87-86");  // RN is the Nazionale
}

TEST(Importazione, UnaRigaErrataNonScriveNulla) {
    test::CartellaTemporanea cartella;
    const auto file = cartella / "storico.txt";
    const QString archivio = qpath(cartella / "archivio.db");
    test::scriviFile(file, storicoPiccolo);
    QString errore;
    ASSERT_TRUE(importaStorico(qpath(file), archivio, &errore));
    test::scriviFile(file, std::string("2001/01/01\tBA\t1\t2\t3\t4\t5\n") + "2001/01/01\tCA\t1\t2\t3\t4\t95\n");
    EXPECT_FALSE(importaStorico(qpath(file), archivio, &errore));
    EXPECT_TRUE(errore.startsWith("Riga 2")) << errore.toStdString();
    auto db = DatabaseArchivio::apri(archivio, &errore);
    EXPECT_EQ(db->numeroEstrazioni(), 3);

    // A bad file never creates the archive either.
    const QString nuovo = qpath(cartella / "nuovo.db");
    EXPECT_FALSE(importaStorico(qpath(file), nuovo, &errore));
    EXPECT_FALSE(QFileInfo::exists(nuovo));
}

TEST(Importazione, ArchivioReale) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString archivio = qpath(cartella / "reale.db");
    QString errore;
    auto esito = importaStorico(qpath(test::percorsoStorico()), archivio, &errore);
    ASSERT_TRUE(esito) << errore.toStdString();
    EXPECT_EQ(esito->aggiunte, 7370);

    const QByteArray prima = [&] {
        QFile f(archivio);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    auto righe = leggiFileArchivio(archivio, &errore);
    ASSERT_TRUE(righe) << errore.toStdString();
    ArchivioEstrazioni a;
    ASSERT_EQ(a.CaricaArchivio(*righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.NumEstrazioni(), 7370);
    EXPECT_EQ(a.DateEstrazioni(1), "07/01/1939");
    EXPECT_EQ(a.DateEstrazioni(7370), "21/08/2026");
    EXPECT_EQ(a.Estratti(1, 1, 1), 58);
    const Data nazionale{2005, 5, 4};
    for (int e = 1; e <= a.NumEstrazioni(); ++e) {
        bool vuota = a.NumeriRuota(e, NumRuote).vuota();
        ASSERT_EQ(vuota, a.DataEstrazione(e) < nazionale) << a.DateEstrazioni(e);
    }
    // Reading an archive never writes it.
    QFile dopo(archivio);
    dopo.open(QIODevice::ReadOnly);
    EXPECT_EQ(dopo.readAll(), prima);

    // The historical file read directly gives the same draws.
    auto dirette = leggiFileArchivio(qpath(test::percorsoStorico()), &errore);
    ASSERT_TRUE(dirette);
    ASSERT_EQ(dirette->size(), righe->size());
    for (std::size_t i = 0; i < righe->size(); ++i) {
        ASSERT_EQ((*dirette)[i].data, (*righe)[i].data);
        ASSERT_EQ((*dirette)[i].ruote, (*righe)[i].ruote);
    }
}

TEST(Sessione, PrimoAvvioCreaProgrammaEArchivioDimostrativo) {
    test::CartellaTemporanea cartella;
    QString errore;
    auto s = Sessione::avvia(qpath(cartella / "dati"), oggi, &errore);
    ASSERT_TRUE(s) << errore.toStdString();
    EXPECT_TRUE(s->primoAvvio());
    EXPECT_TRUE(QFileInfo::exists(qpath(cartella / "dati" / "DbQuorvane.db")));
    const QString demo = qpath(cartella / "dati" / "ArchivioDimostrativo.db");
    EXPECT_EQ(s->percorsoArchivio(), demo);
    EXPECT_TRUE(s->archivioDimostrativo());
    EXPECT_TRUE(s->archivioApribile());
    EXPECT_EQ(s->programma().parametro("EstrazioneIniziale").value_or(""), "1");
    EXPECT_TRUE(s->programma().parametro("IndirizzoInternet").has_value());
    EXPECT_TRUE(s->programma().parametro("PercorsoDati.iii").has_value());
    EXPECT_EQ(s->archivio.EstrazioneIniziale(), 1);
    EXPECT_EQ(test::leggiFile(cartella / "dati" / "PercorsoDatabase.txt"),
              "\"" + QDir::toNativeSeparators(demo).toStdString() + "\"" + test::FineRiga);

    ASSERT_TRUE(s->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
    const ArchivioEstrazioni& a = s->archivio;
    EXPECT_GT(a.NumEstrazioni(), 7000);
    EXPECT_EQ(a.DateEstrazioni(1), "07/01/1939");
    EXPECT_LT(a.DataEstrazione(a.NumEstrazioni()), oggi);

    // The next start finds everything in place and creates nothing.
    s.reset();
    s = Sessione::avvia(qpath(cartella / "dati"), oggi, &errore);
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->primoAvvio());
    EXPECT_EQ(s->percorsoArchivio(), demo);
}

TEST(Sessione, ArchivioSceltoInUnAltraCartella) {
    test::CartellaTemporanea cartella;
    QString errore;
    const auto file = cartella / "storico.txt";
    test::scriviFile(file, storicoPiccolo);
    QDir().mkpath(qpath(cartella / "altrove"));
    const QString scelto = qpath(cartella / "altrove" / "mio.db");
    ASSERT_TRUE(importaStorico(qpath(file), scelto, &errore));

    auto s = Sessione::avvia(qpath(cartella / "dati"), oggi, &errore);
    ASSERT_TRUE(s);
    s->selezionaArchivio(scelto);
    EXPECT_EQ(s->percorsoArchivio(), scelto);
    EXPECT_FALSE(s->archivioDimostrativo());
    EXPECT_EQ(s->programma().parametro("PercorsoArchivio").value_or(""), scelto);
    EXPECT_EQ(test::leggiFile(cartella / "dati" / "PercorsoDatabase.txt"),
              "\"" + QDir::toNativeSeparators(scelto).toStdString() + "\"" + test::FineRiga);
    ASSERT_TRUE(s->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
    EXPECT_EQ(s->archivio.NumEstrazioni(), 3);

    // The next run opens the chosen archive; the program database stays in the data folder.
    s.reset();
    s = Sessione::avvia(qpath(cartella / "dati"), oggi, &errore);
    EXPECT_EQ(s->percorsoArchivio(), scelto);
    EXPECT_TRUE(s->archivioApribile());
    EXPECT_TRUE(s->programma().percorso().endsWith("/dati/DbQuorvane.db"));
}

TEST(Sessione, EstrazioneInizialeEFallimentiDelCaricamento) {
    test::CartellaTemporanea cartella;
    QString errore;
    const auto file = cartella / "storico.txt";
    test::scriviFile(file, storicoPiccolo);
    const QString scelto = qpath(cartella / "mio.db");
    ASSERT_TRUE(importaStorico(qpath(file), scelto, &errore));
    auto s = Sessione::avvia(qpath(cartella / "dati"), oggi, &errore);
    s->selezionaArchivio(scelto);

    s->programma().impostaParametro("estrazioneiniziale", "2,6");
    s->leggiEstrazioneIniziale();
    EXPECT_EQ(s->archivio.EstrazioneIniziale(), 3);  // nearest whole number
    ASSERT_TRUE(s->caricaArchivio(TipoCaricamento::Avvio, {}, &errore));
    EXPECT_EQ(s->archivio.periodoModello().inizio, 3);

    s->programma().impostaParametro("EstrazioneIniziale", "4");
    s->leggiEstrazioneIniziale();
    EXPECT_FALSE(s->caricaArchivio(TipoCaricamento::Avvio, {}, &errore));
    EXPECT_EQ(s->archivio.NumModello(), 1);  // the previous load stays whole

    // A file that is not an archive: the load fails with a reason, nothing changes.
    test::scriviFile(cartella / "rotto.db", "xxxx");
    s->selezionaArchivio(qpath(cartella / "rotto.db"));
    EXPECT_FALSE(s->caricaArchivio(TipoCaricamento::Avvio, {}, &errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_EQ(s->archivio.NumEstrazioni(), 3);

    // An archive path that cannot be opened leaves the start without an open archive.
    s.reset();
    s = Sessione::avvia(qpath(cartella / "dati"), oggi, &errore);
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->archivioApribile());
}
