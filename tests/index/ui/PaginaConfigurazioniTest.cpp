#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

#include "archive/ArchivioDemo.h"
#include "core/Colori.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/VistaGriglia.h"
#include "index/Riepilogo.h"
#include "index/ui/FinestraIndice.h"
#include "index/ui/ProvaFinestraIndice.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// The index window on the first 120 simulated draws, with its Database tab in front.
class ConfigurazioniFinestra : public test::ProvaFinestraIndice {
protected:
    void SetUp() override { apri(120); }

    void mostraScheda(int sottoScheda) {
        trova<QTabWidget>("SSTab1")->setCurrentIndex(3);
        trova<QTabWidget>("SSTab3")->setCurrentIndex(sottoScheda);
    }
    // The first configuration of the list, opened as the user does.
    void apriPrima() {
        mostraScheda(1);
        clicca("Command19");
        cliccaCella("FgE", 1, 2);
        QTest::mouseDClick(trova<VistaGriglia>("FgE")->viewport(), Qt::LeftButton, {}, centro("FgE", 1, 2));
    }
    void salva(const QString& nome) {
        mostraScheda(0);
        trova<QLineEdit>("Text1")->setText(nome);
        clicca("Command17");
    }
    // An ambo on 7, 45, 90 from the board.
    void aggiungiAmbo() {
        trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
        for (auto [riga, colonna] : {std::pair{8, 9}, std::pair{0, 6}, std::pair{4, 4}})
            cliccaCella("Fg90", riga, colonna);
        clicca("Command2");
    }
    int conta(const QString& tabella) {
        QSqlQuery q(sessione->programma().db());
        EXPECT_TRUE(q.exec("SELECT COUNT(*) FROM " + tabella) && q.next());
        return q.value(0).toInt();
    }

    test::DialoghiFinti dialoghi;
};

}  // namespace

TEST_F(ConfigurazioniFinestra, SalvaEApreConOpzioniRuoteEPrevisioni) {
    trova<QComboBox>("ComboPresenze")->setCurrentIndex(1);  // 6 model draws
    trova<QComboBox>("ComboC")->setCurrentIndex(5);         // 6 colpi
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);   // "U"
    trova<QScrollBar>("hFine")->setValue(100);
    cliccaCella("FgR", 0, 10);  // Nazionale with Bari
    clicca("Command13");
    aggiungiAmbo();
    ASSERT_EQ(finestra->analisi().previsioni.size(), 1u);
    const int esiti = finestra->analisi().previsioni[0].esiti;
    salva("Ambo 7 45 90");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].titolo + ": " + dialoghi.messaggi[0].testo,
              "Conferma salvataggio: Configurazione memorizzata.");
    salva("AMBO 7 45 90");
    EXPECT_EQ(dialoghi.messaggi.back().icona, QMessageBox::Critical);
    EXPECT_EQ(dialoghi.messaggi.back().testo,
              "Attenzione, probabilmente la denominazione della configurazione è gia presente.");
    salva("   ");  // not a taken name: the real reason is given
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Configurazione non salvata: la denominazione è vuota.");
    EXPECT_EQ(conta("Configurazioni"), 1);

    // Everything changed, then the configuration opened without "Estrazione".
    trova<QComboBox>("ComboPresenze")->setCurrentIndex(3);
    trova<QComboBox>("ComboC")->setCurrentIndex(0);
    trova<QComboBox>("ComboMensile")->setCurrentIndex(2);
    trova<EtichettaCliccabile>("Label6")->clic();
    trova<QCheckBox>("Ch_Fine")->setChecked(true);
    trova<QScrollBar>("hFine")->setValue(110);
    clicca("Command28");
    apriPrima();
    EXPECT_EQ(trova<QComboBox>("ComboPresenze")->currentText(), "6");
    EXPECT_EQ(trova<QComboBox>("ComboC")->currentText(), "6");
    EXPECT_EQ(trova<QComboBox>("ComboMensile")->currentText(), "U");
    EXPECT_FALSE(trova<QCheckBox>("Ch_Fine")->isChecked());
    EXPECT_EQ(trova<QScrollBar>("hFine")->value(), 110);
    const Griglia& fgR = griglia("FgR");
    for (int w = 0; w < NumRuote; ++w) EXPECT_EQ(fgR.sfondo(0, w), w == 0 || w == 10 ? Verde : Bianco) << w;
    // The model draws rebuilt from draw 110, the forecast back, active and verified.
    EXPECT_EQ(finestra->analisi().EstrazioneSelezionata, 110);
    const Griglia& fgV = griglia("FgV");
    ASSERT_EQ(fgV.righe(), 7);
    EXPECT_EQ(fgV.valore(1, 4) - fgV.valore(1, 1), 6);
    const Griglia& fgZZ = griglia("Fg_ZZ");
    ASSERT_EQ(fgZZ.righe(), 2);
    EXPECT_EQ(fgZZ.sfondo(1, 0), Giallo);
    EXPECT_EQ(fgZZ.testo(1, 1), "2");
    EXPECT_EQ(fgZZ.testo(1, 2), std::to_string(esiti));
    EXPECT_EQ(fgZZ.testo(1, 4) + " " + fgZZ.testo(1, 5) + " " + fgZZ.testo(1, 6), "7 45 90");
    EXPECT_FALSE(fgZZ.testo(1, 3).empty());  // ET: verified again
    EXPECT_EQ(griglia("FgCn").righe(), 2);

    // With "Estrazione" the end of the period comes back too.
    trova<QCheckBox>("Check1")->setChecked(true);
    apriPrima();
    EXPECT_EQ(finestra->analisi().EstrazioneSelezionata, 100);
    EXPECT_LE(griglia("FgV").valore(1, 1), 100);

    // "Carica solo giocate" brings the forecasts back on the model draws as they are.
    clicca("Command28");
    trova<QComboBox>("ComboPresenze")->setCurrentIndex(0);
    clicca("Command13");
    ASSERT_EQ(griglia("FgV").righe(), 6);
    clicca("Command14");
    EXPECT_EQ(griglia("FgV").righe(), 6);
    EXPECT_EQ(griglia("Fg_ZZ").testo(1, 6), "90");
}

TEST_F(ConfigurazioniFinestra, RifiutiRuoteBiancheEdEliminazione) {
    // Nothing to save without forecasts; nothing is written.
    clicca("Command13");
    salva("Vuota");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].titolo + ": " + dialoghi.messaggi[0].testo,
              "Avviso: Attenzione !  non ci sono previsione associate.");
    EXPECT_EQ(conta("Configurazioni"), 0);
    // Nothing opened yet: "Carica solo giocate" leaves the list being built.
    aggiungiAmbo();
    mostraScheda(1);
    clicca("Command14");
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 2);

    // Eleven "0" wheels come back all white.
    trova<EtichettaCliccabile>("Label1")->clic();
    salva("Nessuna ruota");
    trova<EtichettaCliccabile>("Label6")->clic();
    apriPrima();
    for (int w = 0; w < NumRuote; ++w) EXPECT_EQ(griglia("FgR").sfondo(0, w), Bianco) << w;
    EXPECT_EQ(trova<QLabel>("Lbl_T")->text(), "0");  // no wheel in play: nothing comes out

    // Double clicking the name box empties it.
    mostraScheda(0);
    QTest::mouseDClick(trova<QLineEdit>("Text1"), Qt::LeftButton);
    EXPECT_TRUE(trova<QLineEdit>("Text1")->text().isEmpty());

    // Delete: No keeps it, Yes removes it with its forecasts.
    apriPrima();
    const std::string cod = griglia("FgE").testo(1, 1);
    dialoghi.risposteSi = false;
    clicca("Command18");
    ASSERT_FALSE(dialoghi.domande.empty());
    EXPECT_EQ(dialoghi.domande.back().titolo + ": " + dialoghi.domande.back().testo,
              QString::fromStdString("Avviso: Confermi la cancellazone del record N° " + cod + " ?"));
    EXPECT_EQ(griglia("FgE").righe(), 2);
    dialoghi.risposteSi = true;
    cliccaCella("FgE", 1, 2);
    clicca("Command18");
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Record eliminato");
    EXPECT_EQ(griglia("FgE").righe(), 1);
    EXPECT_EQ(conta("ConfigNumeri"), 0);
}

TEST_F(ConfigurazioniFinestra, RiepilogoConLeBarreDellePercentuali) {
    trova<EtichettaCliccabile>("Label6")->clic();
    trova<QComboBox>("ComboPresenze")->setCurrentIndex(3);
    clicca("Command13");
    aggiungiAmbo();
    trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
    clicca("Command3");
    for (int colonna : {0, 1, 2}) cliccaCella("Fg90", 0, colonna);
    trova<QRadioButton>("Option1")->setChecked(true);
    clicca("Command2");  // an ambata on 1, 2, 3
    ASSERT_EQ(finestra->analisi().previsioni.size(), 2u);
    clicca("Command10");
    auto* riepilogo = finestra->findChild<QWidget*>("Ventrallo_Riepilogo");
    ASSERT_NE(riepilogo, nullptr);
    EXPECT_TRUE(riepilogo->isVisible());

    const Riepilogo atteso = calcolaRiepilogo(finestra->metodo().contatori);
    ASSERT_GT(atteso.totale, 0);
    auto testo = [riepilogo](const char* nome) { return riepilogo->findChild<QLabel*>(nome)->text(); };
    EXPECT_EQ(testo("Label3"), QString::number(atteso.totale));
    auto* vista1 = riepilogo->findChild<VistaGriglia*>("Fg1");
    auto* vista2 = riepilogo->findChild<VistaGriglia*>("Fg2");
    ASSERT_TRUE(vista1 && vista2);
    // The ambata has three numbers, the ambo too: both are summed in row 3.
    EXPECT_EQ(vista1->griglia().valore(3, 1), atteso.perQuantita[3][1]);
    EXPECT_EQ(vista1->griglia().valore(3, 2), atteso.perQuantita[3][2]);
    int somma = 0, conColpi = 0, senzaColpi = 0;
    const std::string separatore = QLocale().decimalPoint().toStdString();
    for (int c = 1; c <= 20; ++c) {
        somma += static_cast<int>(vista2->griglia().valore(c, 1));
        if (atteso.perColpo[c] > 0) {
            EXPECT_EQ(vista2->griglia().testo(c, 2), testoPercentuale(atteso.decimiPercentuale(c), separatore));
            if (!conColpi) conColpi = c;
        } else if (!senzaColpi) {
            senzaColpi = c;
        }
    }
    EXPECT_EQ(somma, atteso.totale);

    // The share is an orange bar from the left of its cell; a colpo without hits has none.
    ASSERT_TRUE(conColpi && senzaColpi);
    auto sinistra = [vista2](int c) {
        const QModelIndex indice = vista2->model()->index(vista2->modello()->rigaModello(c), 2);
        vista2->scrollTo(indice);
        const QRect cella = vista2->visualRect(indice);
        return vista2->viewport()->grab().toImage().pixelColor(cella.left() + 3, cella.center().y());
    };
    EXPECT_EQ(sinistra(conColpi), QColor(255, 128, 0));
    EXPECT_NE(sinistra(senzaColpi), QColor(255, 128, 0));

    // Copying and running it again.
    QTest::mouseClick(riepilogo->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), vista2->griglia().testoTabella());
    clicca("Command10");
    EXPECT_EQ(finestra->findChildren<VistaGriglia*>("Fg2").size(), 1);
    EXPECT_EQ(testo("Label3"), QString::number(atteso.totale));
}
