#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>

#include "core/ui/Grafico.h"
#include "index/GiudizioVerifica.h"
#include "index/GrigliaStorico.h"
#include "index/ui/EditorLua.h"
#include "index/ui/FinestraVerificaStorica.h"
#include "index/ui/ProvaFinestraIndice.h"
#include "metodo/MetodoLua.h"
#include "support/DialoghiFinti.h"

using namespace quorvane;
using test::ProvaFinestraIndice;

// Opened from the index window with its options; the run gives what the engine gives, with its
// verdict; a bad period runs nothing; a draw added after the period keeps the results.
TEST_F(ProvaFinestraIndice, VerificaStoricaDallaFinestraDellIndice) {
    apri(400);
    trova<QComboBox>("ComboPresenze")->setCurrentText("20");
    trova<QComboBox>("ComboC")->setCurrentText("5");
    trova<QComboBox>("ComboMensile")->setCurrentIndex(0);
    clicca("CmdStorica");
    auto* storica = finestra->findChild<FinestraVerificaStorica*>();
    ASSERT_NE(storica, nullptr);
    EXPECT_TRUE(storica->findChild<QLabel*>("LblOpzioni")->text().contains("Presenze 20 · Colpi 5 · Ruote BA"));
    auto* dal = storica->findChild<QSpinBox*>("SpinDal");
    auto* al = storica->findChild<QSpinBox*>("SpinAl");
    EXPECT_EQ(al->value(), archivio().NumEstrazioni());

    test::DialoghiFinti dialoghi;
    dal->setValue(300);
    al->setValue(200);
    QTest::mouseClick(storica->findChild<QPushButton*>("CmdAvvia"), Qt::LeftButton);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_TRUE(dialoghi.messaggi[0].testo.contains("precede l'inizio"));
    EXPECT_FALSE(storica->inCorso());

    al->setValue(380);
    storica->findChild<QComboBox*>("ComboMetodo")->setCurrentIndex(1);
    // The options as set on the controls (the analysis itself reads them at its next command).
    AnalisiIndice opzioni = finestra->analisi();
    opzioni.Presenze = 20;
    opzioni.NumeroColpi = 5;
    opzioni.Mensile = 0;
    OpzioniStoriche o;
    o.analisi = opzioni;
    o.metodo = MetodoStorico::Ciclo;
    o.dal = 300;
    o.al = 380;
    auto* barra = storica->findChild<QProgressBar*>("Avanzamento");
    EXPECT_EQ(barra->maximum(), static_cast<int>(puntiStorici(o, archivio()).size()));  // before the run
    QTest::mouseClick(storica->findChild<QPushButton*>("CmdAvvia"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    const EsitoStorico atteso = VerificaStorica(o, archivio());
    ASSERT_FALSE(atteso.giocate.empty());
    const Griglia& fg = storica->findChild<VistaGriglia*>("FgStorico")->griglia();
    ASSERT_EQ(fg.righe() - 1, static_cast<int>(atteso.giocate.size()));
    for (std::size_t i = 0; i < atteso.giocate.size(); ++i)
        EXPECT_EQ(fg.testo(static_cast<int>(i) + 1, 0), std::to_string(atteso.giocate[i].punto));
    const QString riepilogo = storica->findChild<QLabel*>("LblRiepilogo")->text();
    EXPECT_TRUE(riepilogo.contains(QString("<b>%1</b>").arg(atteso.riepilogo.vincite))) << riepilogo.toStdString();
    EXPECT_TRUE(riepilogo.contains("Resa attesa"));
    const RiepilogoStorico& r = atteso.riepilogo;
    EXPECT_EQ(storica->findChild<QLabel*>("LblGiudizio")->text().toStdString(),
              "1° tentativo su questo periodo: " +
                  giudizioVerifica(r, Strategia::Indice, QLocale().decimalPoint().toStdString()));

    // The button again brings this window forward, results and all.
    clicca("CmdStorica");
    EXPECT_EQ(finestra->findChildren<FinestraVerificaStorica*>().size(), 1u);
    EXPECT_EQ(fg.righe() - 1, static_cast<int>(atteso.giocate.size()));

    // A draw added after the period: the draws the results read are the same.
    QString errore;
    auto db = DatabaseArchivio::apri(test::qpath(cartella / "archivio.db"), &errore);
    ASSERT_TRUE(db && db->aggiungiEstrazioni({generaArchivioDemo(Data{2026, 1, 1})[400]}, &errore));
    ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Ricarica, {}, &errore));
    EXPECT_EQ(fg.righe() - 1, static_cast<int>(atteso.giocate.size()));
    EXPECT_FALSE(storica->inCorso());
    EXPECT_EQ(al->value(), 380);
}

// The laboratory: another strategy, and the search for its best options, give what the engine
// gives on the same options; an unreadable comparison runs nothing.
TEST_F(ProvaFinestraIndice, LaboratorioStrategiaEConfronto) {
    apri(400);
    trova<QComboBox>("ComboC")->setCurrentText("5");
    clicca("CmdStorica");
    auto* storica = finestra->findChild<FinestraVerificaStorica*>();
    ASSERT_NE(storica, nullptr);
    for (const QAbstractSpinBox* casella : storica->findChildren<QAbstractSpinBox*>())
        EXPECT_FALSE(casella->accessibleName().isEmpty()) << casella->objectName().toStdString();
    OpzioniStoriche o;
    o.analisi = finestra->analisi();
    o.analisi.NumeroColpi = 5;
    o.strategia = Strategia::Frequenti;
    o.quanti = 3;
    o.finestra = 50;
    o.dal = 1;
    o.al = 400;
    auto* opzioniAnalisi = storica->findChild<QLabel*>("LblOpzioni");
    EXPECT_TRUE(opzioniAnalisi->text().startsWith("Mensile "));
    storica->findChild<QComboBox*>("ComboStrategia")->setCurrentIndex(3);
    EXPECT_FALSE(storica->findChild<QComboBox*>("ComboMetodo")->isEnabled());
    // The most frequent numbers read none of the index method's own options.
    EXPECT_EQ(opzioniAnalisi->text(), "Colpi 5 · Ruote BA · ruota letta BA");
    storica->findChild<QSpinBox*>("SpinQuanti")->setValue(o.quanti);
    storica->findChild<QSpinBox*>("SpinFinestra")->setValue(o.finestra);
    storica->findChild<QSpinBox*>("SpinDal")->setValue(o.dal);
    storica->findChild<QSpinBox*>("SpinAl")->setValue(o.al);
    const std::string sep = QLocale().decimalPoint().toStdString();

    storica->avvia();
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    const EsitoStorico atteso = VerificaStorica(o, archivio());
    ASSERT_FALSE(atteso.giocate.empty());
    const Griglia& fg = storica->findChild<VistaGriglia*>("FgStorico")->griglia();
    ASSERT_EQ(fg.righe() - 1, static_cast<int>(atteso.giocate.size()));
    for (std::size_t i = 0; i < atteso.giocate.size(); ++i)
        EXPECT_EQ(fg.testo(static_cast<int>(i) + 1, 0), std::to_string(atteso.giocate[i].punto));
    EXPECT_EQ(storica->findChild<QLabel*>("LblGiudizio")->text().toStdString(),
              "1° tentativo su questo periodo: " + giudizioVerifica(atteso.riepilogo, Strategia::Frequenti, sep));
    // The balance chart ends at the summary's balance, chance's line at the balance it expects.
    auto* saldo = storica->findChild<Grafico*>("GraficoSaldo");
    ASSERT_EQ(saldo->dati().serie.size(), 2u);
    EXPECT_NEAR(saldo->dati().serie[0].y.back(), atteso.riepilogo.incasso - atteso.riepilogo.puntata, 1e-9);
    EXPECT_NEAR(saldo->dati().serie[1].y.back(), atteso.riepilogo.incassoAtteso - atteso.riepilogo.puntata, 1e-9);

    auto* confronto = storica->findChild<QLineEdit*>("TxtConfronto");
    storica->findChild<QSpinBox*>("SpinProvaDal")->setValue(250);
    test::DialoghiFinti dialoghi;
    confronto->setText("colpi = 3,x");
    storica->avvia();
    EXPECT_FALSE(storica->inCorso());
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(storica->esito().giocate.size(), atteso.giocate.size());

    confronto->setText("colpi = 3,5; quanti = 2,3");
    storica->avvia();
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    const EsitoConfronto migliore = confronta(o, {{"colpi", {3, 5}}, {"quanti", {2, 3}}}, 250, archivio());
    const Griglia& fc = storica->findChild<VistaGriglia*>("FgConfronto")->griglia();
    ASSERT_EQ(fc.righe() - 1, 4);
    // In order of p, the best first.
    std::vector<std::size_t> perP = {0, 1, 2, 3};
    std::stable_sort(perP.begin(), perP.end(), [&migliore](std::size_t a, std::size_t b) {
        return *migliore.combinazioni[a].allenamento.p < *migliore.combinazioni[b].allenamento.p;
    });
    EXPECT_EQ(perP.front(), static_cast<std::size_t>(migliore.migliore));
    for (int r = 1; r <= 4; ++r) {
        const RigaConfronto& riga = migliore.combinazioni[perP[r - 1]];
        EXPECT_EQ(fc.testo(r, 0), std::to_string(riga.valori[0]));
        EXPECT_EQ(fc.testo(r, 1), std::to_string(riga.valori[1]));
        EXPECT_EQ(fc.testo(r, 4), std::to_string(riga.allenamento.vincite));
    }
    // Three of the four combinations are new on this period; colpi 5 with quanti 3 was the walk above.
    EXPECT_EQ(storica->findChild<QLabel*>("LblGiudizio")->text().toStdString(),
              "4° tentativo su questo periodo. Anni di prova: " +
                  giudizioVerifica(migliore.prova, Strategia::Frequenti, sep));
    EXPECT_EQ(fg.righe() - 1, static_cast<int>(migliore.giocateAllenamento.size() + migliore.giocateProva.size()));
    // The test years go on from where the training years ended.
    const auto& parti = saldo->dati().serie;
    ASSERT_EQ(parti.size(), 3u);
    EXPECT_EQ(parti[1].y.front(), parti[0].y.back());

    // The same search on archives of chance: the engine's figure beside the best; the comparison
    // is shown while it runs, and "Annulla" during it keeps the comparison.
    auto* simula = storica->findChild<QSpinBox*>("SpinSimula");
    simula->setValue(3);
    storica->avvia();
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    const SimulazioneConfronto caso = simulaConfronto(
        o, {{"colpi", {3, 5}}, {"quanti", {2, 3}}}, 250, archivio(),
        migliore.combinazioni[migliore.migliore].allenamento.p.value_or(1), 3);
    const std::string riepilogo = storica->findChild<QLabel*>("LblRiepilogo")->text().toStdString();
    EXPECT_NE(
        riepilogo.find("Su 3 archivi del caso la stessa ricerca ha trovato in " + std::to_string(caso.almenoCosi) +
                       " una migliore almeno così buona: p del migliore per "
                       "caso = " +
                       testoDecimale(caso.p, 3, sep) + " ± " + testoDecimale(caso.erroreP, 3, sep)),
        std::string::npos)
        << riepilogo;
    EXPECT_EQ(storica->findChild<QLabel*>("LblStato")->text().toStdString(),
              "Confronto completato: 4 combinazioni, ricerca ripetuta su 3 archivi del caso.");

    simula->setValue(SimulazioneConfronto::Massime);
    auto* barra = storica->findChild<QProgressBar*>("Avanzamento");
    storica->avvia();
    QTRY_VERIFY_WITH_TIMEOUT(barra->maximum() == SimulazioneConfronto::Massime, 60000);
    EXPECT_TRUE(barra->format().contains("archivi del caso"));
    EXPECT_EQ(fc.righe() - 1, 4);  // shown while chance searches
    storica->annulla();
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    EXPECT_EQ(storica->findChild<QLabel*>("LblStato")->text().toStdString(),
              "Confronto completato: 4 combinazioni; simulazione annullata.");
    EXPECT_EQ(fc.righe() - 1, 4);
    EXPECT_TRUE(storica->simulazione().annullato);
}

// "Metodo proprio": the script in the editor with the value typed in its parameter's field gives
// what the engine gives; its log is shown; a script that fails marks its line and says why; the
// text is saved to a file and opened again.
TEST_F(ProvaFinestraIndice, LaboratorioMetodoProprio) {
    apri(400);
    trova<QComboBox>("ComboC")->setCurrentText("5");
    clicca("CmdStorica");
    auto* storica = finestra->findChild<FinestraVerificaStorica*>();
    ASSERT_NE(storica, nullptr);
    const std::string testo =
        "local n = parametro('numero', 1)\n"
        "function metodo(t)\n  if t == 1 then scrivi('gioco', n) end\n  return {numeri = {n, 90}}\nend\n";
    storica->findChild<QComboBox*>("ComboStrategia")->setCurrentIndex(5);
    storica->findChild<QSpinBox*>("SpinDal")->setValue(1);
    storica->findChild<QSpinBox*>("SpinAl")->setValue(400);
    auto* editor = storica->findChild<EditorLua*>("TxtMetodo");
    ASSERT_NE(editor, nullptr);
    editor->setPlainText(QString::fromStdString(testo));
    auto* numero = storica->findChild<QLineEdit*>("TxtParametro_numero");
    ASSERT_NE(numero, nullptr);
    EXPECT_EQ(numero->placeholderText(), "1");
    numero->setText("7");
    storica->avvia();
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    OpzioniStoriche o;
    o.analisi = finestra->analisi();
    o.analisi.NumeroColpi = 5;
    o.strategia = Strategia::Metodo;
    o.metodoProprio = std::make_shared<MetodoLua>(testo);
    o.parametri = {{"numero", "7"}};
    o.dal = 1;
    o.al = 400;
    const EsitoStorico atteso = VerificaStorica(o, archivio());
    ASSERT_FALSE(atteso.giocate.empty());
    EXPECT_EQ(storica->esito().riepilogo.vincite, atteso.riepilogo.vincite);
    EXPECT_EQ(storica->esito().giocate.size(), atteso.giocate.size());
    EXPECT_EQ(storica->findChild<QPlainTextEdit*>("TxtRegistro")->toPlainText(), "gioco\t7");

    editor->setPlainText("function metodo(t)\n  return {numeri = {t % 90 + 1, 91}}\nend\n");
    storica->avvia();
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    EXPECT_EQ(storica->findChild<QLabel*>("LblStato")->text(),
              "Metodo interrotto all'estrazione 1 (riga 2): il numero giocato 91 non è tra 1 e 90");
    EXPECT_EQ(editor->rigaSegnata(), 2);
    EXPECT_EQ(storica->findChild<QTabWidget*>()->currentWidget()->objectName(), "PaginaMetodoProprio");
    EXPECT_TRUE(storica->esito().giocate.empty());

    test::DialoghiFinti dialoghi;
    dialoghi.fileDaSalvare = test::qpath(cartella / "mio.lua");
    QTest::mouseClick(storica->findChild<QPushButton*>("CmdSalvaMetodo"), Qt::LeftButton);
    editor->setPlainText("function metodo(t) end\n");
    dialoghi.risposteSi = true;
    dialoghi.fileScelto = dialoghi.fileDaSalvare;
    QTest::mouseClick(storica->findChild<QPushButton*>("CmdApriMetodo"), Qt::LeftButton);
    EXPECT_EQ(dialoghi.domande.size(), 2u);  // where to save, then whether to drop the edit
    EXPECT_TRUE(editor->toPlainText().contains("91"));
    EXPECT_TRUE(dialoghi.messaggi.empty());
}
