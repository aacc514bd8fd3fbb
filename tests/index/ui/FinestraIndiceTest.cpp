#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "archive/ArchivioDemo.h"
#include "archive/db/ScritturaArchivio.h"
#include "core/Colori.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/Ritardi.h"
#include "index/ui/FinestraIndice.h"
#include "index/ui/ProvaFinestraIndice.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

using test::ProvaFinestraIndice;

// Answers the input boxes with the texts given, in order, and records the messages.
struct Risposte {
    explicit Risposte(std::vector<std::optional<QString>> testi) : originali(Dialoghi::correnti()) {
        Dialoghi::correnti().chiediTesto = [this, testi, i = std::size_t(0)](QWidget*, const QString& titolo,
                                                                             const QString&, const QString&) mutable {
            titoli.push_back(titolo);
            return i < testi.size() ? testi[i++] : std::nullopt;
        };
        Dialoghi::correnti().messaggio = [this](QWidget*, QMessageBox::Icon, const QString& titolo,
                                                const QString& testo) { messaggi.push_back(titolo + ": " + testo); };
        Dialoghi::correnti().conferma = [this](QWidget*, const QString& titolo, const QString& testo) {
            domande.push_back(titolo + ": " + testo);
            return false;
        };
    }
    ~Risposte() { Dialoghi::correnti() = originali; }
    Dialoghi originali;
    std::vector<QString> titoli;
    std::vector<QString> messaggi;
    std::vector<QString> domande;  // Yes/No boxes, all answered No
};

}  // namespace

TEST_F(ProvaFinestraIndice, ApreSullUltimaEstrazioneConLeScelteIniziali) {
    apri(60);
    const ArchivioEstrazioni& a = archivio();
    EXPECT_EQ(finestra->windowTitle(), "Analisi con il metodo degli indici");
    auto* hFine = trova<QScrollBar>("hFine");
    EXPECT_EQ(hFine->maximum(), 60);
    EXPECT_EQ(hFine->value(), 60);
    const QString data = QString::fromStdString(a.DateEstrazioni(60));
    EXPECT_EQ(trova<QLabel>("labend")->text(), "60 del " + data);
    EXPECT_EQ(trova<QLabel>("Label4")->text(), "60  " + data);
    EXPECT_EQ(trova<QLabel>("Label7")->text(), QString::number(a.ProgMese(60)));
    EXPECT_EQ(trova<QComboBox>("ComboMensile")->currentIndex(), a.ProgMese(60));
    EXPECT_EQ(trova<QComboBox>("ComboC")->currentText(), "12");
    EXPECT_EQ(trova<QComboBox>("ComboPresenze")->currentText(), "12");
    EXPECT_EQ(trova<QComboBox>("ComboN")->currentText(), "3");
    EXPECT_EQ(trova<QComboBox>("ComboCG")->currentText(), "No");
    EXPECT_EQ(trova<QTabWidget>("SSTab1")->tabText(trova<QTabWidget>("SSTab1")->currentIndex()), "Elenco");
    const Griglia& fgR = griglia("FgR");
    EXPECT_EQ(fgR.testo(0, 0), "BA");
    EXPECT_EQ(fgR.sfondo(0, 0), Verde);
    EXPECT_EQ(fgR.sfondo(0, 1), Bianco);
    const Griglia& fga = griglia("fga");
    EXPECT_EQ(fga.testo(7, 0), "RO");
    EXPECT_EQ(fga.testo(7, 3), std::to_string(a.Estratti(60, 8, 3)));
    const Griglia& fg90 = griglia("Fg90");
    EXPECT_EQ(fg90.testo(8, 9), "90");
    EXPECT_EQ(fg90.testo(2, 4), "25");
    EXPECT_EQ(griglia("Fgcolore").sfondo(2, 0), 0x80C0FF);
    EXPECT_TRUE(griglia("FgV").colonnaNascosta(6));
    EXPECT_EQ(griglia("Fg_ZZ").elencoModifica(1), "|1|2|3|4|5");

    trova<QScrollBar>("hFine")->setValue(10);
    EXPECT_EQ(finestra->analisi().EstrazioneSelezionata, 10);
    EXPECT_EQ(griglia("fga").testo(0, 1), std::to_string(a.Estratti(10, 1, 1)));
    clicca("Command22");
    EXPECT_EQ(hFine->value(), 60);
}

TEST_F(ProvaFinestraIndice, ArchivioDiUnaSolaEstrazione) {
    apri(1);
    EXPECT_EQ(trova<QScrollBar>("hFine")->maximum(), 1);
    EXPECT_EQ(trova<QScrollBar>("hFine")->value(), 1);
    EXPECT_TRUE(trova<QLabel>("labend")->text().startsWith("1 del 07/01/1939"));
    clicca("Command13");  // the draw is its own month's first, and nothing follows it
    ASSERT_EQ(griglia("FgV").righe(), 2);
    EXPECT_EQ(griglia("FgV").sfondo(1, 1), Rosso);
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    clicca("Command13");  // no model draw: the table is empty and nothing else breaks
    EXPECT_EQ(griglia("FgV").righe(), 1);
}

TEST_F(ProvaFinestraIndice, SceltaPerIndiceEPerData) {
    apri(60);
    auto* hFine = trova<QScrollBar>("hFine");
    {
        // Outside the archive the range is said; a text that is no number is ignored.
        Risposte r({QString("abc"), QString("0"), QString("61"), QString(" 25 ")});
        for (int i = 0; i < 4; ++i) clicca("Command23");
        EXPECT_EQ(r.titoli.front(), "Scelta estrazione");
        EXPECT_EQ(hFine->value(), 25);
        EXPECT_EQ(r.messaggi,
                  std::vector<QString>(2, "Scelta estrazione: Indice fuori archivio: digitare un numero da 1 a 60."));
    }
    {
        const QString data = QString::fromStdString(archivio().DateEstrazioni(40));
        // A day without a draw offers the nearest one; declined, nothing moves.
        Risposte r({QString("31/12/1999"), QString("31-12-1999"), data, std::nullopt});
        clicca("Command24");
        EXPECT_EQ(hFine->value(), 25);
        EXPECT_EQ(r.domande, std::vector<QString>{"Cerca data: Il 31/12/1999 non c'è estrazione: andare alla più "
                                                  "vicina, del " +
                                                  QString::fromStdString(archivio().DateEstrazioni(60)) + "?"});
        clicca("Command24");
        ASSERT_EQ(r.messaggi.size(), 1u);
        EXPECT_EQ(r.messaggi[0], "Cerca data: Data non trovata");
        clicca("Command24");
        EXPECT_EQ(hFine->value(), 40);
        clicca("Command24");  // cancelled: nothing happens
        EXPECT_EQ(r.messaggi.size(), 1u);
        EXPECT_EQ(r.titoli[0], "Ricerca per data GG/MM/AAAA");
    }
    clicca("Command26");
    EXPECT_EQ(trova<QComboBox>("ComboMensile")->currentIndex(), archivio().ProgMese(40));
    QTest::mouseClick(trova<EtichettaCliccabile>("Label10"), Qt::LeftButton);
    EXPECT_EQ(trova<QComboBox>("ComboPresenze")->currentText(), "200");
}

TEST_F(ProvaFinestraIndice, RicavaBaseDatiECoppie) {
    apri(300);
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    trova<QCheckBox>("Ch_ultima")->setChecked(true);
    trova<QComboBox>("ComboC")->setCurrentText("3");
    clicca("Command13");
    const Griglia& fgV = griglia("FgV");
    ASSERT_EQ(fgV.righe(), 13);
    EXPECT_EQ(fgV.testo(1, 1), "300");  // the last draw, forced in
    EXPECT_EQ(fgV.sfondo(1, 1), Rosso);
    EXPECT_EQ(fgV.sfondo(1, 0), Giallo);
    EXPECT_EQ(finestra->analisi().NumeroColpi, 3);
    const Griglia& fgRit = griglia("FgRit");
    ASSERT_EQ(fgRit.righe(), 91);
    EXPECT_EQ(fgRit.sfondo(1, 1), 0x80FFFF);

    // Only Bari and Cagliari in play for ELABORA.
    cliccaCella("FgR", 0, 1);
    EXPECT_EQ(griglia("FgR").sfondo(0, 1), Verde);
    trova<QTabWidget>("SSTab1")->setCurrentIndex(2);
    clicca("Command60");
    const Griglia& fg9090 = griglia("Fg9090");
    ASSERT_EQ(fg9090.righe(), 4006);
    EXPECT_EQ(avanzamento.maximum(), 89);
    EXPECT_LT(avanzamento.value(), avanzamento.minimum());  // emptied when the job ended
    EXPECT_LE(fg9090.valore(1, 3), 11);                     // 12 rows, one without a following draw
    EXPECT_TRUE(finestra->analisi().RuoteSel[1]);
    EXPECT_FALSE(finestra->analisi().RuoteSel[2]);

    QTest::mouseClick(trova<EtichettaCliccabile>("Label6"), Qt::LeftButton);
    EXPECT_EQ(griglia("FgR").sfondo(0, 10), Verde);
    QTest::mouseClick(trova<EtichettaCliccabile>("Label1"), Qt::LeftButton);
    EXPECT_EQ(griglia("FgR").sfondo(0, 0), Bianco);

    // A new table empties what was built on the old one.
    clicca("Command13");
    EXPECT_EQ(griglia("Fg9090").righe(), 1);
}

TEST_F(ProvaFinestraIndice, TavolaDeiNumeriEMemoSerie) {
    apri(30);
    trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
    for (int n = 1; n <= 9; ++n) cliccaCella("Fg90", 0, n - 1);
    EXPECT_EQ(finestra->tavola().conta(), 8);
    EXPECT_EQ(griglia("Fg90").sfondo(0, 7), Verde);
    EXPECT_EQ(griglia("Fg90").sfondo(0, 8), Bianco);  // the ninth is refused
    cliccaCella("Fg90", 0, 0);
    EXPECT_FALSE(finestra->tavola().scelto(1));
    clicca("Command3");
    EXPECT_EQ(finestra->tavola().conta(), 0);

    // A formation clicked in Fg_CC goes to the memo, and from the memo to the board.
    trova<QTabWidget>("SSTab1")->setCurrentIndex(1);
    trova<QTabWidget>("SSTab2")->setCurrentIndex(1);
    auto* fgCC = trova<VistaGriglia>("Fg_CC");
    fgCC->griglia().impostaRighe(3);
    for (int c = 0; c <= 3; ++c) {
        fgCC->griglia().impostaTesto(1, c, std::to_string(c == 0 ? 7 : 10 * c));
        fgCC->griglia().impostaTesto(2, c, std::to_string(c == 0 ? 5 : 11 * c));
    }
    fgCC->aggiorna();
    cliccaCella("Fg_CC", 2, 1);
    EXPECT_EQ(fgCC->griglia().sfondo(2, 3), Giallo);
    EXPECT_EQ(fgCC->griglia().sfondo(1, 3), Bianco);
    clicca("Command20");
    const Griglia& memo = griglia("FgSerie");
    ASSERT_EQ(memo.righe(), 2);
    EXPECT_EQ(memo.testo(1, 0), "5");
    EXPECT_EQ(memo.testo(1, 3), "33");
    cliccaCella("FgSerie", 1, 1);
    clicca("Command32");
    EXPECT_EQ(finestra->tavola().numeri(), (std::vector<int>{11, 22, 33}));
    EXPECT_EQ(trova<QTabWidget>("SSTab1")->currentIndex(), 0);
    clicca("Command21");
    EXPECT_EQ(griglia("FgSerie").righe(), 1);
}

// "Elaborazione modalità 2" with nothing to offer says why on the message line.
TEST_F(ProvaFinestraIndice, Modalita2SenzaNullaDaProporreLoDice) {
    apri(60);
    auto* messaggio = trova<QLabel>("LblArchivio");
    trova<QTabWidget>("SSTab1")->setCurrentIndex(1);
    clicca("Command44");
    EXPECT_EQ(messaggio->text(), "Elaborazione modalità 2: nessuna estrazione modello: prima RICAVA BASE DATI.");
    EXPECT_TRUE(messaggio->isVisible());
    clicca("Command13");
    EXPECT_FALSE(messaggio->isVisible());

    QTest::mouseClick(trova<QRadioButton>("Option4"), Qt::LeftButton);
    trova<QComboBox>("ComboN")->setCurrentText("2");
    clicca("Command44");
    EXPECT_EQ(messaggio->text(), "Elaborazione modalità 2: il terno vuole almeno 3 numeri (QN): nulla elaborato.");

    // The best formation joins the list round after round, until mode 2 finds none left.
    QTest::mouseClick(trova<QRadioButton>("Option3"), Qt::LeftButton);
    trova<QComboBox>("ComboN")->setCurrentText("8");
    for (int giro = 0; giro < AnalisiIndice::MaxPrevisioni; ++giro) {
        clicca("Command44");
        if (griglia("Fg_CC").righe() == 1) break;
        EXPECT_FALSE(messaggio->isVisible());
        cliccaCella("Fg_CC", 1, 1);
        clicca("Cmd_aggiunge");
    }
    // Left uncovered: the model draw at the end of the archive, whose window holds no draw yet.
    ASSERT_EQ(griglia("Fg_CC").righe(), 1);
    const auto& modello = finestra->analisi().modello;
    ASSERT_EQ(std::count_if(modello.begin(), modello.end(), [](const RigaModello& r) { return !r.coperta; }), 1);
    EXPECT_FALSE(modello.front().coperta);
    EXPECT_EQ(modello.front().estr, 60);
    EXPECT_EQ(messaggio->text(),
              "Elaborazione modalità 2: nessuna formazione da proporre: la finestra dell'estrazione modello "
              "scoperta non ha ancora estrazioni.");
}

TEST_F(ProvaFinestraIndice, CicloDiCoperturaDallaFinestra) {
    apri(400);
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    QTest::mouseClick(trova<EtichettaCliccabile>("Label6"), Qt::LeftButton);  // every wheel
    clicca("Command13");
    ASSERT_EQ(griglia("FgV").righe(), 13);

    trova<QTabWidget>("SSTab1")->setCurrentIndex(1);
    clicca("Command44");
    const Griglia& fgCC = griglia("Fg_CC");
    ASSERT_GT(fgCC.righe(), 1);
    EXPECT_EQ(avanzamento.maximum() > 0, true);
    clicca("Cmd_aggiunge");  // no row selected: refused
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 1);
    cliccaCella("Fg_CC", 1, 1);
    clicca("Cmd_aggiunge");
    const Griglia& fgZZ = griglia("Fg_ZZ");
    ASSERT_EQ(fgZZ.righe(), 2);
    EXPECT_EQ(fgZZ.testo(1, 0), "1");
    EXPECT_EQ(fgZZ.sfondo(1, 0), Giallo);
    EXPECT_EQ(fgZZ.testo(1, 1), "2");
    EXPECT_EQ(fgZZ.testo(1, 4), fgCC.testo(1, 1));
    const int coperti = finestra->analisi().coperti.value_or(-1);
    EXPECT_EQ(trova<QLabel>("Lbl_T")->text(), QString::number(coperti));
    EXPECT_EQ(trova<QLabel>("Lbl_S")->text(), QString::number(12 - coperti));
    int verdi = 0;
    for (int r = 1; r < griglia("FgV").righe(); ++r) verdi += griglia("FgV").sfondo(r, 0) == Verde;
    EXPECT_EQ(verdi, coperti);

    // The twenty draws after the second model draw, in their own window.
    cliccaCella("FgV", 8, 1);
    clicca("Command12");
    auto* verifica = finestra->findChild<QWidget*>("VerificaPrevisione");
    ASSERT_NE(verifica, nullptr);
    EXPECT_TRUE(verifica->isVisible());
    EXPECT_EQ(verifica->windowTitle(), "Verifica previsione");
    const Griglia& fg1 = verifica->findChild<VistaGriglia*>("Fg1")->griglia();
    EXPECT_GE(fg1.righe(), 21);
    EXPECT_EQ(fg1.testo(1, 1), "1");

    // A double click deactivates the forecast; the verification then covers nothing.
    auto* vistaZZ = trova<VistaGriglia>("Fg_ZZ");
    emit vistaZZ->doppioClic(1, 0);
    EXPECT_FALSE(griglia("Fg_ZZ").sfondo(1, 0).has_value());
    clicca("Cmd_VerificaPrevisioni");
    EXPECT_EQ(trova<QLabel>("Lbl_T")->text(), "0");
    QTest::mouseClick(trova<EtichettaCliccabile>("Label16"), Qt::LeftButton);
    EXPECT_EQ(griglia("Fg_ZZ").sfondo(1, 0), Giallo);

    // The sorte is the one column the user types in.
    auto* modello = vistaZZ->model();
    EXPECT_FALSE(modello->flags(modello->index(0, 2)) & Qt::ItemIsEditable);
    ASSERT_TRUE(modello->setData(modello->index(0, 1), "3"));
    EXPECT_EQ(finestra->analisi().previsioni[0].sorte, 3);
    test::DialoghiFinti dialoghi;
    modello->setData(modello->index(0, 1), "x");
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(finestra->analisi().previsioni[0].sorte, 3);
    EXPECT_EQ(griglia("Fg_ZZ").testo(1, 1), "3");

    cliccaCella("Fg_ZZ", 1, 4);
    clicca("Cmd_Rimuove");
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 1);
    EXPECT_TRUE(trova<QLabel>("Lbl_T")->text().isEmpty());
}

TEST_F(ProvaFinestraIndice, PrevisioneDallaTavolaFiltroEAbbinamento) {
    apri(200);
    clicca("Command13");
    trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
    clicca("Command2");  // an empty board adds nothing
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 1);
    cliccaCella("Fg90", 0, 4);  // 5
    cliccaCella("Fg90", 2, 0);  // 21
    trova<QRadioButton>("Option1")->click();
    clicca("Command2");
    ASSERT_EQ(griglia("Fg_ZZ").righe(), 2);
    EXPECT_EQ(griglia("Fg_ZZ").testo(1, 1), "1");
    EXPECT_EQ(griglia("Fg_ZZ").testo(1, 4), "5");
    EXPECT_EQ(griglia("Fg_ZZ").testo(1, 5), "21");

    trova<QTabWidget>("SSTab2")->setCurrentIndex(0);
    clicca("Command15");
    const Griglia& fgRit = griglia("FgRit");
    int visibili = 0;
    for (int r = 1; r < fgRit.righe(); ++r) visibili += !fgRit.rigaNascosta(r);
    EXPECT_EQ(visibili, 2);
    clicca("Command16");
    EXPECT_FALSE(griglia("FgRit").rigaNascosta(30));

    cliccaCella("Fg_ZZ", 1, 4);
    trova<QTabWidget>("SSTab1")->setCurrentIndex(2);
    clicca("Command5");
    const Griglia& fgAbb = griglia("FgAbb");
    ASSERT_EQ(fgAbb.righe(), 91);
    for (int r = 2; r < 91; ++r) ASSERT_GE(fgAbb.valore(r - 1, 1), fgAbb.valore(r, 1));

    clicca("Command3");
    trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
    clicca("Command3");
    EXPECT_EQ(finestra->tavola().conta(), 0);
    clicca("Command30");
    EXPECT_EQ(finestra->tavola().numeri(), (std::vector<int>{5, 21}));
}

TEST_F(ProvaFinestraIndice, SegueLArchivioCheCambiaSottoDiLei) {
    apri(60);
    auto* hFine = trova<QScrollBar>("hFine");
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    trova<QCheckBox>("Ch_ultima")->setChecked(true);
    clicca("Command13");
    ASSERT_EQ(griglia("FgV").testo(1, 1), "60");
    hFine->setValue(40);
    QString errore;
    const auto ricarica = [&] {
        ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Ricarica, {}, &errore)) << errore.toStdString();
    };

    // A draw added, as "SALVA ESTRAZIONE" stores it: in reach at once, the selected draw kept,
    // the model draws kept too (the draws they were found on are the same).
    const Estrazione nuova = generaArchivioDemo(Data{2026, 1, 1})[60];
    auto db = DatabaseArchivio::apri(test::qpath(cartella / "archivio.db"), &errore);
    ASSERT_TRUE(db && db->aggiungiEstrazioni({nuova}, &errore)) << errore.toStdString();
    ricarica();
    EXPECT_EQ(hFine->maximum(), 61);
    EXPECT_EQ(hFine->value(), 40);
    EXPECT_EQ(griglia("FgV").testo(1, 1), "60");
    EXPECT_EQ(griglia("FgRit").righe(), 91);
    clicca("Command22");
    EXPECT_EQ(hFine->value(), 61);
    EXPECT_EQ(trova<QLabel>("labend")->text(), "61 del " + QString::fromStdString(nuova.data.testo()));
    clicca("Command13");
    EXPECT_EQ(griglia("FgV").testo(1, 1), "61");

    // The selected last draw deleted: the analysis is redone at the nearest draw, the window
    // says so and moves there; the deleted date now offers the nearest draw left.
    ASSERT_EQ(eliminaEstrazione(*db, nuova.data, &errore), EsitoScrittura::Fatta) << errore.toStdString();
    ricarica();
    EXPECT_EQ(hFine->maximum(), 60);
    EXPECT_EQ(hFine->value(), 60);
    EXPECT_EQ(trova<QLabel>("labend")->text(), "60 del " + QString::fromStdString(archivio().DateEstrazioni(60)));
    EXPECT_EQ(griglia("FgV").testo(1, 1), "60");
    EXPECT_EQ(trova<QLabel>("LblArchivio")->text(),
              "Archivio cambiato: analisi rifatta al " + QString::fromStdString(archivio().DateEstrazioni(60)));
    clicca("Command13");
    EXPECT_EQ(griglia("FgV").testo(1, 1), "60");
    Griglia ritardi("FgRit");
    riempiTabellaRitardi(ritardi, calcolaRitardi(archivio(), 60), finestra->analisi().RuoteSel);
    EXPECT_EQ(griglia("FgRit").testoTabella(), ritardi.testoTabella());
    Risposte r({QString::fromStdString(nuova.data.testo()), QString("61")});
    clicca("Command24");
    clicca("Command23");
    EXPECT_EQ(hFine->value(), 60);
    EXPECT_EQ(r.domande, std::vector<QString>{"Cerca data: Il " + QString::fromStdString(nuova.data.testo()) +
                                              " non c'è estrazione: andare alla più vicina, del " +
                                              QString::fromStdString(archivio().DateEstrazioni(60)) + "?"});
    EXPECT_EQ(r.messaggi,
              std::vector<QString>{"Scelta estrazione: Indice fuori archivio: digitare un numero da 1 a 60."});
}

// The list as the engine builds it on the archive of the session, from the window's options.
Griglia listaAttesa(const ArchivioEstrazioni& archivio, AnalisiIndice opzioni, int fine,
                    const std::vector<std::pair<int, std::vector<int>>>& previsioni) {
    MetodoIndice atteso(archivio);
    atteso.analisi = opzioni;
    atteso.analisi.EstrazioneSelezionata = fine;
    EXPECT_TRUE(atteso.RicavaBaseDati());
    for (const auto& [sorte, numeri] : previsioni) EXPECT_TRUE(atteso.AggiungiDaTavola(sorte, numeri));
    Griglia g("Fg_ZZ");
    riempiTabellaPrevisioni(g, atteso.analisi);
    return g;
}

TEST_F(ProvaFinestraIndice, SorteDigitataNellaLista) {
    apri(200);
    clicca("Command13");
    trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
    for (int colonna : {4, 9, 2}) cliccaCella("Fg90", colonna == 9 ? 1 : 0, colonna);  // 5, 20, 3
    trova<QRadioButton>("Option2")->click();
    clicca("Command2");
    ASSERT_EQ(griglia("Fg_ZZ").righe(), 2);
    test::DialoghiFinti dialoghi;
    clicca("Command2");  // the same forecast again: said, not added
    ASSERT_EQ(griglia("Fg_ZZ").righe(), 2);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_TRUE(dialoghi.messaggi[0].testo.contains("già nell'elenco")) << dialoghi.messaggi[0].testo.toStdString();
    static QStringList avvisi;
    avvisi.clear();
    const auto precedente = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo != QtDebugMsg && !testo.contains("propagateSizeHints")) avvisi << testo;
    });
    finestra->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(finestra.get()));
    // A sorte beyond the three numbers, a letter and a 7 are refused with a message; a terno is
    // taken and the list credited again.
    for (const auto& [tasto, attesa] : {std::pair{'5', 2}, std::pair{'x', 2}, std::pair{'7', 2}, std::pair{'3', 3}}) {
        cliccaCella("Fg_ZZ", 1, 1);
        QTest::keyClick(trova<VistaGriglia>("Fg_ZZ"), tasto);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();  // the editor commits from the event loop
        EXPECT_EQ(finestra->analisi().previsioni[0].sorte, attesa) << tasto;
        EXPECT_EQ(griglia("Fg_ZZ").testo(1, 1), std::to_string(attesa)) << tasto;
    }
    qInstallMessageHandler(precedente);
    EXPECT_TRUE(avvisi.isEmpty()) << avvisi.join('\n').toStdString();
    ASSERT_EQ(dialoghi.messaggi.size(), 4u);
    EXPECT_EQ(dialoghi.messaggi[1].testo, "Una previsione di 3 numeri non può avere sorte 5: la sorte va da 1 a 3.");
    EXPECT_EQ(dialoghi.messaggi[2].testo, "Sorte non valida: la sorte va da 1 a 3.");
    // "Esiti" and "ET" are those of a terno added as such.
    EXPECT_EQ(griglia("Fg_ZZ").testoTabella(),
              listaAttesa(archivio(), finestra->analisi(), 200, {{3, {3, 5, 20}}}).testoTabella());
}

// The player's forecasts outlive a reload: tonight's draw, added after the analysis, fills the
// windows of play and is verified at once; a draw corrected inside its period redoes the analysis
// at the same date, says so, and credits the list again.
TEST_F(ProvaFinestraIndice, PrevisioniRestanoQuandoLArchivioCambia) {
    apri(200);
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    trova<QCheckBox>("Ch_ultima")->setChecked(true);  // the last draw is a model draw, nothing after it
    clicca("Command13");
    ambateDallaTavola();
    ASSERT_EQ(griglia("Fg_ZZ").righe(), 3);
    ASSERT_EQ(griglia("FgV").testo(1, 4), "200");
    const double esiti = griglia("Fg_ZZ").valore(1, 2);
    QString errore;
    const auto ricarica = [&] {
        ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Ricarica, {}, &errore)) << errore.toStdString();
    };
    Estrazione stasera = generaArchivioDemo(Data{2026, 1, 1})[200];
    stasera.ruote[0] = {5, 60, 61, 62, 63};
    auto db = DatabaseArchivio::apri(test::qpath(cartella / "archivio.db"), &errore);
    ASSERT_TRUE(db && db->aggiungiEstrazioni({stasera}, &errore));
    ricarica();
    EXPECT_EQ(trova<QScrollBar>("hFine")->maximum(), 201);
    EXPECT_EQ(griglia("FgV").testo(1, 1), "200");
    EXPECT_EQ(griglia("FgV").testo(1, 4), "201");
    EXPECT_EQ(finestra->analisi().modello[0].colpo, 1);
    EXPECT_EQ(griglia("FgV").sfondo(1, 0), Verde);
    EXPECT_EQ(griglia("Fg_ZZ").valore(1, 2), esiti + 1);
    EXPECT_EQ(griglia("Fg_ZZ").testoTabella(),
              listaAttesa(archivio(), finestra->analisi(), 200, {{1, {5}}, {1, {21}}}).testoTabella());
    EXPECT_EQ(trova<QLabel>("LblArchivio")->text(),
              "Estrazione del " + QString::fromStdString(stasera.data.testo()) + " verificata: 1 previsione vincente");
    clicca("Cmd_VerificaPrevisioni");  // the player acts: the line has said its piece
    EXPECT_TRUE(trova<QLabel>("LblArchivio")->isHidden());

    Estrazione corretta = generaArchivioDemo(Data{2026, 1, 1})[189];  // draw 190, inside the period
    corretta.ruote[0] = {5, 21, 33, 44, 55};
    ASSERT_EQ(modificaEstrazione(*db, corretta.data, corretta.riga().ruote, &errore), EsitoScrittura::Fatta);
    ricarica();
    const QString data = QString::fromStdString(archivio().DateEstrazioni(200));
    EXPECT_EQ(trova<QLabel>("LblArchivio")->text(), "Archivio cambiato: analisi rifatta al " + data);
    EXPECT_EQ(griglia("FgV").righe(), 13);
    EXPECT_EQ(griglia("Fg_ZZ").testoTabella(),
              listaAttesa(archivio(), finestra->analisi(), 200, {{1, {5}}, {1, {21}}}).testoTabella());
}

// The list is the player's: it outlives the window and the program, re-verified on the analysis
// it was built on, and a new analysis asks before replacing it.
TEST_F(ProvaFinestraIndice, PrevisioniRiapertePiuTardi) {
    apri(200);
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    trova<QComboBox>("ComboC")->setCurrentText("5");
    clicca("Command13");
    ambateDallaTavola();
    emit trova<VistaGriglia>("Fg_ZZ")->doppioClic(2, 0);  // the second one set aside
    clicca("Cmd_VerificaPrevisioni");
    const std::string modello = griglia("FgV").testoTabella();
    const std::string lista = griglia("Fg_ZZ").testoTabella();
    const int fine = finestra->metodo().fineAnalisi();
    riapri();
    EXPECT_EQ(finestra->metodo().fineAnalisi(), fine);
    EXPECT_EQ(trova<QComboBox>("ComboC")->currentText(), "5");
    EXPECT_EQ(griglia("FgV").testoTabella(), modello);
    EXPECT_EQ(griglia("Fg_ZZ").testoTabella(), lista);
    EXPECT_FALSE(finestra->analisi().previsioni[1].attiva);
    EXPECT_EQ(trova<QLabel>("LblArchivio")->text(),
              "Analisi ripresa al " + QString::fromStdString(archivio().DateEstrazioni(fine)) + " con 2 previsioni");

    test::DialoghiFinti dialoghi;
    trova<QScrollBar>("hFine")->setValue(150);
    clicca("Command13");
    ASSERT_EQ(dialoghi.domande.size(), 1u);
    EXPECT_EQ(dialoghi.domande[0].testo, "Tenere le 2 previsioni?");
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 3);
    // Kept, and credited on the new model draws.
    const Griglia attesa = listaAttesa(archivio(), finestra->analisi(), 150, {{1, {5}}, {1, {21}}});
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(griglia("Fg_ZZ").testo(r, 2), attesa.testo(r, 2)) << r;
    dialoghi.risposteSi = false;
    clicca("Command13");
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 1);
    riapri();
    EXPECT_EQ(griglia("Fg_ZZ").righe(), 1);
    EXPECT_EQ(finestra->metodo().fineAnalisi(), 150);
}
