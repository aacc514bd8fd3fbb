#pragma once
// The archive window on a scratch archive, with every box answered: the fixture of its tests.
#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTest>

#include "archive/ArchivioDemo.h"
#include "archive/FileAggiornamento.h"
#include "archive/ui/FinestraArchivio.h"
#include "archive/ui/PaginaAggiornamenti.h"
#include "archive/ui/PaginaGestione.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/VistaGriglia.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace test {

using namespace quorvane;

// The archive window on a scratch archive of the last 60 simulated draws before 2023-02-01.
class ProvaArchivio : public ::testing::Test {
protected:
    void SetUp() override {
        estrazioni = generaArchivioDemo(Data{2023, 2, 1});
        estrazioni.erase(estrazioni.begin(), estrazioni.end() - 60);
        QString errore;
        // A start-up date in 1939 keeps the program's own demonstration archive tiny.
        sessione = Sessione::avvia(qpath(cartella / "dati"), Data{1939, 2, 1}, &errore);
        ASSERT_TRUE(sessione) << errore.toStdString();
        archivio = qpath(cartella / "archivio.db");
        auto db = DatabaseArchivio::apriOCrea(archivio, &errore);
        ASSERT_TRUE(db && db->aggiungiEstrazioni(estrazioni, &errore)) << errore.toStdString();
        db.reset();
        sessione->selezionaArchivio(archivio);
        apri();
    }

    void apri(int iniziale = 10) {
        QString errore;
        sessione->archivio.impostaEstrazioneIniziale(iniziale);
        ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
        finestra.reset();
        container = std::make_unique<FinestraPrincipale>(*sessione);
        finestra = std::make_unique<FinestraArchivio>(*container);
    }

    QWidget* w() { return finestra.get(); }
    QLineEdit* casella(int i) { return trova<QLineEdit>(w(), QStringLiteral("txtin_%1").arg(i)); }
    QString etichetta(const char* nome) { return trova<QLabel>(w(), QString::fromLatin1(nome))->text(); }
    QString etichettaPrincipale(const char* nome) {
        return trova<QLabel>(container.get(), QString::fromLatin1(nome))->text();
    }
    QScrollBar* slider() { return trova<QScrollBar>(w(), QStringLiteral("HScrestrazione")); }
    void clicca(const char* nome) {
        QTest::mouseClick(trova<QPushButton>(w(), QString::fromLatin1(nome)), Qt::LeftButton);
    }
    Griglia& griglia(const char* nome) { return trova<VistaGriglia>(w(), QString::fromLatin1(nome))->griglia(); }
    QStringList list4() {
        QStringList righe;
        auto* l = trova<QListWidget>(w(), QStringLiteral("List4"));
        for (int i = 0; i < l->count(); ++i) righe << l->item(i)->text();
        return righe;
    }
    void scriviCaselle(const std::vector<const char*>& testi) {
        for (int i = 1; i <= 55; ++i) casella(i)->setText(i <= static_cast<int>(testi.size()) ? testi[i - 1] : "");
    }
    void compilaRuote(int ruote) {
        for (int i = 1; i <= 55; ++i) casella(i)->setText(i <= ruote * 5 ? QString::number((i - 1) % 5 * 10 + 3) : "");
    }
    void impostaData(const Data& d) {
        trova<QCalendarWidget>(w(), QStringLiteral("MonthView1"))->setSelectedDate(QDate(d.anno, d.mese, d.giorno));
    }
    // The stored rows of the archive file, as the database holds them.
    std::vector<RigaArchivio> memorizzate() {
        QString errore;
        auto db = DatabaseArchivio::apri(archivio, &errore);
        auto righe = db ? db->leggiEstrazioni(&errore) : std::nullopt;
        EXPECT_TRUE(righe) << errore.toStdString();
        return righe.value_or(std::vector<RigaArchivio>{});
    }
    void sql(const QString& istruzione) {
        QString errore;
        auto db = DatabaseArchivio::apri(archivio, &errore);
        ASSERT_TRUE(db);
        QSqlQuery q(db->db());
        ASSERT_TRUE(q.exec(istruzione)) << istruzione.toStdString();
    }
    // An update file of the given draws, written beside the archive.
    QString fileAggiornamento(const std::vector<RigaArchivio>& righe, const std::string& extra = {}) {
        std::string testo;
        for (const auto& r : righe) testo += rigaFileAggiornamento(r) + "\r\n";
        testo += extra;
        test::scriviFile(cartella / "agg.txt", testo);
        return qpath(cartella / "agg.txt");
    }

    test::CartellaTemporanea cartella;
    test::DialoghiFinti dialoghi;
    std::vector<Estrazione> estrazioni;
    QString archivio;
    std::unique_ptr<Sessione> sessione;
    std::unique_ptr<FinestraPrincipale> container;
    std::unique_ptr<FinestraArchivio> finestra;
};

}  // namespace test
