// The spy numbers and analytical board windows, and the statistics window's new kinds, on the
// simulated draws: each grid as the engine fills it, clicked by name.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <set>

#include "analyses/db/DatabaseListe.h"
#include "analyses/ui/FinestraSpia.h"
#include "analyses/ui/FinestraStatistiche.h"
#include "analyses/ui/FinestraTabellone.h"
#include "analyses/ui/GraficoStatistiche.h"
#include "archive/ArchivioDemo.h"
#include "core/db/Sessione.h"
#include "core/ui/VistaGriglia.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;

namespace {

class ProvaViste : public ::testing::Test {
protected:
    ProvaViste() {
        QString errore;
        sessione = Sessione::avvia(test::qpath(cartella.percorso()), Data{1941, 1, 1}, &errore);
        EXPECT_TRUE(sessione) << errore.toStdString();
        EXPECT_TRUE(sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
    }
    template <class T>
    static T* trova(const QWidget* finestra, const char* nome) {
        return test::trova<T>(finestra, QString::fromLatin1(nome));
    }
    static void clicca(const QWidget* finestra, const char* nome) {
        QTest::mouseClick(trova<QPushButton>(finestra, nome), Qt::LeftButton);
    }
    static std::string testo(const Griglia& g) { return g.testoIntervallo(0, 0, g.righe() - 1, g.colonne() - 1); }

    test::CartellaTemporanea cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<Sessione> sessione;
};

}  // namespace

// The request is typed and sent with Enter; what is shown names the spy it belongs to.
TEST_F(ProvaViste, NumeriSpiaComeIlMotore) {
    FinestraSpia finestra(*sessione);
    finestra.show();
    trova<QComboBox>(&finestra, "ComboRuota")->setCurrentIndex(2);
    trova<QSpinBox>(&finestra, "SpinColpi")->setValue(3);
    trova<QCheckBox>(&finestra, "ChkBersaglio_RO")->setChecked(true);
    trova<QCheckBox>(&finestra, "ChkBersaglio_FI")->setChecked(true);
    auto* numero = trova<QSpinBox>(&finestra, "SpinNumero");
    numero->setFocus();
    numero->selectAll();
    QTest::keyClicks(numero, "17");
    QTest::keyClick(numero, Qt::Key_Return);

    RichiestaSpia r;
    r.numero = 17;
    r.ruota = 3;
    r.colpi = 3;
    r.bersaglio[2] = r.bersaglio[7] = true;
    NumeriSpia atteso;
    ASSERT_EQ(atteso.calcola(sessione->archivio, r), ErroreStatistiche::Nessuno);
    Griglia g("FgSpia");
    riempiNumeriSpia(g, atteso, atteso.ordine());
    EXPECT_EQ(testo(trova<VistaGriglia>(&finestra, "FgSpia")->griglia()), testo(g));
    EXPECT_EQ(trova<QLabel>(&finestra, "LblVerdetto")->text().toStdString(), atteso.fraseVerdetto());
    const QString spia = QStringLiteral("Spia 17 su Firenze, 3 colpi, seguenti su FI RO");
    EXPECT_TRUE(trova<QLabel>(&finestra, "LblVerdetto")->text().startsWith(spia + ". "));
    EXPECT_TRUE(finestra.grafico()->dati().titolo.startsWith(spia + ": casi dei 90 numeri su "));
    EXPECT_EQ(finestra.titoloStampa(), "Numeri spia – " + spia);
    for (const QAbstractSpinBox* casella : finestra.findChildren<QAbstractSpinBox*>())
        EXPECT_FALSE(casella->accessibleName().isEmpty()) << casella->objectName().toStdString();
    // The chance line is what chance gives every follower.
    const DatiGrafico& dati = finestra.grafico()->dati();
    ASSERT_EQ(dati.serie.size(), 1u);
    EXPECT_EQ(dati.serie[0].y[16], atteso.figura(17).casi);
    EXPECT_EQ(dati.caso->valore, atteso.casiAttesi());
    EXPECT_EQ(dati.caso->sigma, atteso.sigmaCasi());
    trova<QComboBox>(&finestra, "ComboGrafico")->setCurrentIndex(1);
    EXPECT_EQ(finestra.grafico()->dati().serie[0].y[16], atteso.scartoDalCaso(17));

    // No exit of the spy in a one-draw period with its windows: said, and the window empty.
    trova<QSpinBox>(&finestra, "SpinAl")->setValue(1);
    clicca(&finestra, "CmdCalcola");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo.toStdString(),
              messaggioStatistiche(ErroreStatistiche::NessunaOccorrenza, sessione->archivio));
    EXPECT_EQ(trova<VistaGriglia>(&finestra, "FgSpia")->griglia().righe(), 1);
    EXPECT_TRUE(trova<QLabel>(&finestra, "LblVerdetto")->text().isEmpty());
}

TEST_F(ProvaViste, TabelloneApreLeStatisticheDelNumero) {
    FinestraTabellone tabellone(*sessione);
    FinestraStatistiche statistiche(*sessione);
    QObject::connect(&tabellone, &FinestraTabellone::statisticheNumero, &statistiche,
                     &FinestraStatistiche::mostraNumero);
    tabellone.show();
    trova<QComboBox>(&tabellone, "ComboValore")->setCurrentIndex(2);
    trova<QSpinBox>(&tabellone, "SpinDal")->setValue(20);
    clicca(&tabellone, "CmdCalcola");
    TabelloneAnalitico atteso;
    ASSERT_EQ(atteso.calcola(sessione->archivio, 20), ErroreStatistiche::Nessuno);
    Griglia g("FgTabellone");
    riempiTabellone(g, atteso, ValoreTabellone::Massimo);
    auto* vista = trova<VistaGriglia>(&tabellone, "FgTabellone");
    EXPECT_EQ(testo(vista->griglia()), testo(g));
    EXPECT_EQ(vista->griglia().sfondo(7, 3), g.sfondo(7, 3));
    // TT, ten wheels together, has far shorter longest delays than one wheel: banded on its own,
    // its cells span the four bands rather than sit all in the lowest.
    std::set<Colore> bandeTT;
    for (int n = 1; n <= NumeroMassimo; ++n) bandeTT.insert(*vista->griglia().sfondo(n, ColonnaTutteRegionali + 1));
    EXPECT_EQ(bandeTT.size(), std::size_t{NumFasceTabellone});

    // The cell of 7 on Firenze: the statistics of the numbers of Firenze over the same period.
    QCoreApplication::processEvents();
    const QModelIndex cella = vista->model()->index(vista->modello()->rigaModello(7), 3);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(cella).center());
    for (int w = 1; w <= NumRuote; ++w)
        EXPECT_EQ(
            trova<QCheckBox>(&statistiche, ("Chk_" + std::string(SiglaRuota[static_cast<std::size_t>(w)])).c_str())
                ->isChecked(),
            w == 3);
    EXPECT_EQ(trova<QSpinBox>(&statistiche, "SpinDal")->value(), 20);
    const Griglia& fg = trova<VistaGriglia>(&statistiche, "FgStatistiche")->griglia();
    auto* vistaStatistiche = trova<VistaGriglia>(&statistiche, "FgStatistiche");
    const auto righe = vistaStatistiche->selectionModel()->selectedRows();
    ASSERT_EQ(righe.size(), 1);
    const int riga = vistaStatistiche->modello()->rigaGriglia(righe[0].row());
    EXPECT_EQ(fg.testo(riga, 0), "7");
    EXPECT_EQ(fg.testo(riga, 5), vista->griglia().testo(7, 3));  // Rit. massimo
    // The legend shows the bands of the column chosen.
    EXPECT_EQ(trova<QLabel>(&tabellone, "LblLegenda")->text(), "Legenda di FI:");
    const FasciaTabellone prima = fasceTabellone(atteso, ValoreTabellone::Massimo, 2)[0];
    EXPECT_TRUE(trova<QLabel>(&tabellone, "LblFascia1")->text().startsWith(QString::number(prima.da)));
}

TEST_F(ProvaViste, StatisticheDiPosizioneEListeSalvate) {
    FinestraStatistiche finestra(*sessione);
    finestra.show();
    const Griglia& fg = trova<VistaGriglia>(&finestra, "FgStatistiche")->griglia();
    trova<QComboBox>(&finestra, "ComboTipo")->setCurrentIndex(FinestraStatistiche::TipoPosizione);
    trova<QSpinBox>(&finestra, "SpinPosizione")->setValue(4);
    clicca(&finestra, "CmdCalcola");
    RichiestaStatistiche r;
    r.tipo = TipoStatistiche::Posizione;
    r.posizione = 4;
    Statistiche attese;
    ASSERT_EQ(attese.calcola(sessione->archivio, r), ErroreStatistiche::Nessuno);
    Griglia g("FgStatistiche");
    riempiStatistiche(g, attese, sessione->archivio, attese.ordine(ColonnaStatistiche::Elemento, false));
    EXPECT_EQ(testo(fg), testo(g));

    // A list saved by name is a group, and stays in the program database for the next window.
    trova<QComboBox>(&finestra, "ComboTipo")->setCurrentIndex(FinestraStatistiche::TipoGruppi);
    dialoghi.testi = {"mia", "5 17, 48", "doppia", "3 3"};
    clicca(&finestra, "CmdSalvaLista");
    EXPECT_EQ(trova<QComboBox>(&finestra, "ComboGruppi")->currentIndex(), FinestraStatistiche::ListeProprie);
    ASSERT_EQ(fg.righe(), 2);
    EXPECT_EQ(fg.testo(1, 0), "mia");
    EXPECT_EQ(fg.testo(1, 1), "5 17 48");
    clicca(&finestra, "CmdSalvaLista");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo.toStdString(),
              messaggioStatistiche(ErroreStatistiche::NumeroRipetuto, sessione->archivio));
    // One list, one bar.
    auto* grafico = trova<GraficoStatistiche>(&finestra, "GraficoStatistiche");
    EXPECT_EQ(grafico->dati().elementi, std::vector<QString>{"mia"});

    FinestraStatistiche seconda(*sessione);
    trova<QComboBox>(&seconda, "ComboTipo")->setCurrentIndex(FinestraStatistiche::TipoGruppi);
    trova<QComboBox>(&seconda, "ComboGruppi")->setCurrentIndex(FinestraStatistiche::ListeProprie);
    clicca(&seconda, "CmdCalcola");
    EXPECT_EQ(trova<VistaGriglia>(&seconda, "FgStatistiche")->griglia().testo(1, 1), "5 17 48");
}

// A list saved under a name already used (as the player reads it) asks before replacing it;
// "Elimina lista..." offers the stored lists and asks before deleting.
TEST_F(ProvaViste, ListaConUnNomeGiaUsatoEdEliminazione) {
    FinestraStatistiche finestra(*sessione);
    finestra.show();
    trova<QComboBox>(&finestra, "ComboTipo")->setCurrentIndex(FinestraStatistiche::TipoGruppi);
    const Griglia& fg = trova<VistaGriglia>(&finestra, "FgStatistiche")->griglia();
    dialoghi.testi = {"Mia", "5 17", " MIA ", "8 9"};
    clicca(&finestra, "CmdSalvaLista");
    dialoghi.risposteSi = false;
    clicca(&finestra, "CmdSalvaLista");
    EXPECT_EQ(dialoghi.domande.back().testo, "Esiste già la lista \"Mia\": sostituirla?");
    ASSERT_EQ(fg.righe(), 2);
    EXPECT_EQ(fg.testo(1, 1), "5 17");
    dialoghi.risposteSi = true;
    dialoghi.testi = {"mia", "8 9"};
    clicca(&finestra, "CmdSalvaLista");
    ASSERT_EQ(fg.righe(), 2);
    EXPECT_EQ(fg.testo(1, 0), "mia");
    EXPECT_EQ(fg.testo(1, 1), "8 9");

    dialoghi.sceltaVoce = 0;
    clicca(&finestra, "CmdEliminaLista");
    EXPECT_EQ(dialoghi.vociOfferte, QStringList{"mia"});
    EXPECT_EQ(dialoghi.domande.back().testo, "Eliminare la lista \"mia\"?");
    QString errore;
    EXPECT_EQ(nomiListe(sessione->programma().db(), &errore), QStringList{});
}
