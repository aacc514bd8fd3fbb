#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "analyses/ui/FinestraStatistiche.h"
#include "analyses/ui/GraficoStatistiche.h"
#include "archive/ArchivioDemo.h"
#include "core/db/Sessione.h"
#include "core/ui/VistaGriglia.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;

namespace {

// The simulated draws of 1939, then those of January 1940 added by a reload.
class ProvaStatistiche : public ::testing::Test {
protected:
    ProvaStatistiche() {
        QString errore;
        sessione = Sessione::avvia(test::qpath(cartella.percorso()), Data{1940, 1, 1}, &errore);
        EXPECT_TRUE(sessione) << errore.toStdString();
        EXPECT_TRUE(sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
        finestra = std::make_unique<FinestraStatistiche>(*sessione);
        finestra->show();
        fg = &trova<VistaGriglia>("FgStatistiche")->griglia();
        grafico = trova<GraficoStatistiche>("GraficoStatistiche");
    }

    template <class T>
    T* trova(const char* nome) {
        return test::trova<T>(finestra.get(), QString::fromLatin1(nome));
    }
    void clicca(const char* nome) { QTest::mouseClick(trova<QPushButton>(nome), Qt::LeftButton); }
    void clicIntestazione(int colonna) {
        QCoreApplication::processEvents();  // the grid is on screen before a user can click it
        QHeaderView* h = trova<VistaGriglia>("FgStatistiche")->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(colonna) + 5, 5));
    }
    // A figure as the grid writes it, with the Italian comma.
    double cifra(int riga, int colonna) const {
        return QString::fromStdString(fg->testo(riga, colonna)).replace(',', '.').toDouble();
    }
    int rigaDi(const QString& nome) const {
        for (int r = 1; r < fg->righe(); ++r)
            if (QString::fromStdString(fg->testo(r, 0)) == nome) return r;
        return -1;
    }
    int rigaSelezionata() {
        auto* vista = trova<VistaGriglia>("FgStatistiche");
        const auto righe = vista->selectionModel()->selectedRows();
        return righe.size() == 1 ? vista->modello()->rigaGriglia(righe[0].row()) : -1;
    }
    // Every bar is the grid's figure for the element it is named by, and chance is one value
    // across the bars.
    void graficoComeGriglia(int colonna, int barre) {
        const DatiGrafico& dati = grafico->dati();
        ASSERT_EQ(dati.serie.size(), 1u);
        ASSERT_EQ(dati.serie[0].y.size(), static_cast<std::size_t>(barre));
        ASSERT_EQ(dati.elementi.size(), static_cast<std::size_t>(barre));
        for (std::size_t i = 0; i < dati.elementi.size(); ++i) {
            const int riga = rigaDi(dati.elementi[i]);
            ASSERT_GT(riga, 0) << dati.elementi[i].toStdString();
            EXPECT_NEAR(dati.serie[0].y[i], cifra(riga, colonna), 0.006) << dati.elementi[i].toStdString();
        }
        ASSERT_TRUE(dati.caso);
    }
    // The numbers over the whole archive, as the window computes them when it opens.
    Statistiche statistiche() const {
        Statistiche s;
        EXPECT_EQ(s.calcola(sessione->archivio, {}), ErroreStatistiche::Nessuno);
        return s;
    }
    double barra(int i) const { return grafico->dati().serie[0].y[static_cast<std::size_t>(i)]; }

    test::CartellaTemporanea cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<Sessione> sessione;
    std::unique_ptr<FinestraStatistiche> finestra;
    Griglia* fg = nullptr;
    GraficoStatistiche* grafico = nullptr;
};

constexpr int Presenze = 1, Attese = 2, Rapporto = 3, RitAttuale = 4;

}  // namespace

TEST_F(ProvaStatistiche, IlGraficoMostraLeCifreDellaGriglia) {
    ASSERT_EQ(fg->righe(), 91);
    EXPECT_EQ(fg->testo(0, 0), "Numero");
    graficoComeGriglia(Presenze, 90);
    // Chance gives the expected presences, with the band of the presences' standard deviation.
    EXPECT_NEAR(grafico->dati().caso->valore, cifra(1, Attese), 0.005);
    EXPECT_EQ(grafico->dati().caso->sigma, *statistiche().sigmaCaso(ColonnaStatistiche::Presenze));
    auto* figura = trova<QComboBox>("ComboGrafico");
    const int figure = static_cast<int>(GraficoStatistiche::figure().size());
    for (int i = 1; i < figure; ++i) {
        figura->setCurrentIndex(i);
        const int colonna = static_cast<int>(GraficoStatistiche::figure()[static_cast<std::size_t>(i)]);
        SCOPED_TRACE(fg->testo(0, colonna));
        graficoComeGriglia(colonna, 90);
    }
    figura->setCurrentIndex(1);
    EXPECT_EQ(grafico->dati().caso->valore, 1.0);
    // The distance from chance: every number, against 0 and its band of two standard deviations.
    figura->setCurrentIndex(figure);
    EXPECT_EQ(figura->currentText(), "Scarto dal caso");
    ASSERT_EQ(grafico->dati().serie[0].y.size(), 90u);
    EXPECT_EQ(barra(6), statistiche().scartoDalCaso(6));
    EXPECT_EQ(grafico->dati().caso->valore, 0);
    EXPECT_EQ(grafico->dati().caso->sigma, 1);
    figura->setCurrentIndex(1);

    // Pairs: the fifty highest by the figure, highest first.
    trova<QComboBox>("ComboTipo")->setCurrentIndex(1);
    clicca("CmdCalcola");
    ASSERT_EQ(fg->righe(), NumAmbi + 1);
    EXPECT_EQ(fg->testo(0, 0), "Ambo");
    graficoComeGriglia(Rapporto, GraficoStatistiche::BarreAmbi);
    for (int i = 1; i < GraficoStatistiche::BarreAmbi; ++i) EXPECT_GE(barra(i - 1), barra(i));
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

TEST_F(ProvaStatistiche, ClicSuBarraEOrdineDelleColonne) {
    // A click on the bar of 18 selects its row, and the row stays selected through the sorts.
    emit grafico->barraCliccata(17);
    EXPECT_EQ(rigaSelezionata(), 18);
    clicIntestazione(RitAttuale);
    ASSERT_GT(rigaSelezionata(), 0);
    EXPECT_EQ(fg->testo(rigaSelezionata(), 0), "18");
    for (int r = 2; r < fg->righe(); ++r) ASSERT_GE(cifra(r - 1, RitAttuale), cifra(r, RitAttuale)) << r;
    clicIntestazione(RitAttuale);
    for (int r = 2; r < fg->righe(); ++r) ASSERT_LE(cifra(r - 1, RitAttuale), cifra(r, RitAttuale)) << r;
    // Decimals sort as numbers, not as texts.
    clicIntestazione(Rapporto);
    for (int r = 2; r < fg->righe(); ++r) ASSERT_GE(cifra(r - 1, Rapporto), cifra(r, Rapporto)) << r;
    EXPECT_EQ(fg->testo(rigaSelezionata(), 0), "18");
}

TEST_F(ProvaStatistiche, SegueLArchivioERifiutaLeRichiesteErrate) {
    auto* al = trova<QSpinBox>("SpinAl");
    const int prima = sessione->archivio.NumEstrazioni();
    EXPECT_EQ(al->value(), prima);
    std::vector<RigaArchivio> righe;
    for (const Estrazione& e : generaArchivioDemo(Data{1940, 2, 1})) righe.push_back(e.riga());
    ASSERT_EQ(sessione->archivio.CaricaArchivio(righe, TipoCaricamento::Ricarica), EsitoCaricamento::Riuscito);
    emit sessione->archivioRicaricato();
    const int dopo = sessione->archivio.NumEstrazioni();
    ASSERT_GT(dopo, prima);
    EXPECT_EQ(al->value(), dopo);
    EXPECT_EQ(trova<QLabel>("LblAl")->text().toStdString(), sessione->archivio.DateEstrazioni(dopo));
    // The figures run to the new last draw.
    bool nuove = false;
    for (int r = 1; r < fg->righe(); ++r) nuove = nuove || cifra(r, 8) > prima;
    EXPECT_TRUE(nuove);

    auto* dal = trova<QSpinBox>("SpinDal");
    dal->setValue(dopo);
    al->setValue(1);
    clicca("CmdCalcola");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "La prima estrazione del periodo viene dopo l'ultima");
    EXPECT_EQ(fg->righe(), 1);
    EXPECT_TRUE(grafico->dati().vuoto());

    clicca("CmdTutto");
    EXPECT_EQ(fg->righe(), 91);
    for (int w = 0; w < NumRuote; ++w)
        trova<QCheckBox>(("Chk_" + std::string(SiglaRuota[static_cast<std::size_t>(w + 1)])).c_str())->setChecked(false);
    clicca("CmdCalcola");
    ASSERT_EQ(dialoghi.messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.messaggi[1].testo, "Scegliere almeno una ruota");
    EXPECT_EQ(fg->righe(), 1);
    // The period typed as a date.
    dal->selectAll();
    QTest::keyClicks(dal, QString::fromStdString(sessione->archivio.DateEstrazioni(5)));
    QTest::keyClick(dal, Qt::Key_Return);
    EXPECT_EQ(dal->value(), 5);
}
