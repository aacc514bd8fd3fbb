#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "archive/ArchivioDemo.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraInizio.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/FinestreNelloSchermo.h"
#include "core/ui/Help.h"
#include "core/ui/Programma.h"
#include "core/ui/VistaGriglia.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::qpath;
using test::trova;

namespace {

struct Messaggio {
    QMessageBox::Icon icona;
    QString titolo;
    QString testo;
};

// Answers every box the windows open and remembers what they said.
class DialoghiFinti {
public:
    DialoghiFinti() : originali_(Dialoghi::correnti()) {
        Dialoghi& d = Dialoghi::correnti();
        d.messaggio = [this](QWidget*, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
            messaggi.push_back({icona, titolo, testo});
        };
        d.apriFile = [this](QWidget*, const QString&, const QString& cartella, const QString&) {
            cartelleProposte.push_back(cartella);
            return fileScelto;
        };
    }
    ~DialoghiFinti() { Dialoghi::correnti() = originali_; }

    std::vector<Messaggio> messaggi;
    std::vector<QString> cartelleProposte;
    QString fileScelto;  // empty: the user cancels

private:
    Dialoghi originali_;
};

// An archive database of `quante` simulated draws.
QString creaArchivio(const std::filesystem::path& percorso, std::size_t quante) {
    auto estrazioni = generaArchivioDemo(Data{2026, 1, 1});
    estrazioni.resize(quante);
    QString errore;
    auto db = DatabaseArchivio::apriOCrea(qpath(percorso), &errore);
    EXPECT_TRUE(db && db->aggiungiEstrazioni(estrazioni, &errore)) << errore.toStdString();
    return qpath(percorso);
}

QString testo(QWidget* finestra, const char* nome) {
    return trova<QLabel>(finestra, nome)->text();
}

void clicca(QWidget* finestra, const char* pulsante) {
    QTest::mouseClick(trova<QPushButton>(finestra, pulsante), Qt::LeftButton);
}

// A run of the program on a scratch data folder, with every box answered.
class Avvio : public ::testing::Test {
protected:
    QString dati() const { return qpath(cartella / "dati"); }

    // A data folder whose program database names `archivio` and starts the model at `iniziale`.
    void preparaCartella(const QString& archivio, const QString& iniziale) {
        QString errore;
        auto s = Sessione::avvia(dati(), Data{2026, 12, 8}, &errore);
        ASSERT_TRUE(s) << errore.toStdString();
        s->selezionaArchivio(archivio);
        s->programma().impostaParametro("EstrazioneIniziale", iniziale);
    }

    FinestraInizio* avvia() {
        QString errore;
        programma = Programma::avvia(dati(), &errore);
        EXPECT_TRUE(programma) << errore.toStdString();
        return programma ? programma->inizio() : nullptr;
    }

    // procedi; the main window, or null when the load failed.
    FinestraPrincipale* procedi() {
        clicca(programma->inizio(), "Command2");
        return programma->finestraPrincipale();
    }

    test::CartellaTemporanea cartella;
    DialoghiFinti dialoghi;
    std::unique_ptr<Programma> programma;
};

}  // namespace

TEST_F(Avvio, PrimoAvvioSenzaArchivioChiedeIlFileUnaVolta) {
    preparaCartella(qpath(cartella / "sparito.db"), "1");
    const QString scelto = creaArchivio(cartella / "scelto.db", 300);

    dialoghi.fileScelto = scelto;
    FinestraInizio* inizio = avvia();
    ASSERT_TRUE(inizio);
    EXPECT_TRUE(inizio->isVisible());
    EXPECT_EQ(inizio->objectName(), "INIZIO");
    EXPECT_EQ(inizio->windowTitle(), "Quorvane: Versione " QUORVANE_VERSIONE);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Warning);
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Selezionare Archivio");
    EXPECT_EQ(dialoghi.messaggi[0].testo,
              "Attenzione, la prima volta è necessario configurare l'origine dell'archivio");
    ASSERT_EQ(dialoghi.cartelleProposte.size(), 1u);
    EXPECT_EQ(dialoghi.cartelleProposte[0], dati());
    EXPECT_EQ(testo(inizio, "Lbl_Archivio"), "Database: " + QDir::toNativeSeparators(scelto));
    EXPECT_EQ(test::leggiFile(cartella / "dati" / "PercorsoDatabase.txt"),
              QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(scelto)).toStdString() + test::FineRiga);
    EXPECT_FALSE(trova<QLabel>(inizio, "LblDimostrativo")->isVisible());

    ASSERT_NE(procedi(), nullptr);
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_TRUE(programma->finestraPrincipale()->isVisible());
    EXPECT_FALSE(inizio->isVisible());
    EXPECT_EQ(trova<QProgressBar>(inizio, "pb1")->value(), 300);
    const Griglia& fgpa = trova<VistaGriglia>(programma->finestraPrincipale(), "fgpa")->griglia();
    EXPECT_EQ(fgpa.righe(), 301);
}

TEST_F(Avvio, AnnullareOScegliereIlDatabaseDelProgrammaNonCambiaNulla) {
    const QString archivio = creaArchivio(cartella / "primo.db", 20);
    preparaCartella(archivio, "1");

    FinestraInizio* inizio = avvia();
    ASSERT_TRUE(inizio);
    EXPECT_TRUE(dialoghi.messaggi.empty());
    EXPECT_EQ(testo(inizio, "Lbl_Archivio"), QDir::toNativeSeparators(archivio));
    clicca(inizio, "Command4");
    EXPECT_EQ(dialoghi.cartelleProposte.size(), 1u);
    EXPECT_EQ(testo(inizio, "Lbl_Archivio"), QDir::toNativeSeparators(archivio));
    EXPECT_EQ(programma->sessione().programma().parametro("PercorsoArchivio").value_or(""), archivio);
    EXPECT_TRUE(dialoghi.messaggi.empty());

    dialoghi.fileScelto = programma->sessione().programma().percorso();
    clicca(inizio, "Command4");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo,
              "DbQuorvane.db è il database del programma, non un archivio delle "
              "estrazioni: l'archivio resta quello di prima.");
    EXPECT_EQ(testo(inizio, "Lbl_Archivio"), QDir::toNativeSeparators(archivio));
    EXPECT_EQ(programma->sessione().programma().parametro("PercorsoArchivio").value_or(""), archivio);
}

TEST_F(Avvio, UnAltroArchivioSceltoVieneCaricato) {
    const QString primo = creaArchivio(cartella / "primo.db", 20);
    const QString secondo = creaArchivio(cartella / "secondo.db", 35);
    preparaCartella(primo, "1");

    dialoghi.fileScelto = secondo;
    ASSERT_TRUE(avvia());
    clicca(programma->inizio(), "Command4");
    EXPECT_EQ(testo(programma->inizio(), "Lbl_Archivio"), "Database: " + QDir::toNativeSeparators(secondo));
    EXPECT_EQ(programma->sessione().programma().parametro("PercorsoArchivio").value_or(""), secondo);
    ASSERT_NE(procedi(), nullptr);
    EXPECT_EQ(programma->sessione().archivio.NumEstrazioni(), 35);
    EXPECT_EQ(testo(programma->finestraPrincipale(), "Lbl_Ev"), "35");
}

TEST_F(Avvio, EstrazioneInizialeOltreLArchivioLasciaLaFinestra) {
    preparaCartella(creaArchivio(cartella / "corto.db", 40), "41");

    ASSERT_TRUE(avvia());
    EXPECT_EQ(procedi(), nullptr);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Critical);
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Avviso");
    EXPECT_EQ(dialoghi.messaggi[0].testo, FinestraInizio::MessaggioCaricamento +
                                              "\nL'estrazione iniziale 41 è oltre l'ultima estrazione dell'archivio.");
    EXPECT_EQ(programma->finestraPrincipale(), nullptr);
    EXPECT_TRUE(programma->inizio()->isVisible());
}

TEST_F(Avvio, ArchivioDimostrativoAlPrimoAvvio) {
    ASSERT_TRUE(avvia());
    EXPECT_TRUE(dialoghi.messaggi.empty());
    EXPECT_TRUE(trova<QLabel>(programma->inizio(), "LblDimostrativo")->isVisible());
    EXPECT_TRUE(testo(programma->inizio(), "LblDimostrativo").contains("simulate"));
    const Griglia& fgP = trova<VistaGriglia>(programma->inizio(), "FgP")->griglia();
    ASSERT_EQ(fgP.righe(), 10);
    EXPECT_EQ(fgP.testo(1, 1), "ControlloArchivioAvvio");  // sorted by name
    EXPECT_EQ(fgP.testo(3, 1), "EstrazioneIniziale");
    EXPECT_EQ(fgP.testo(3, 2), "Prima estrazione dell'archivio modello");
    EXPECT_EQ(fgP.testo(3, 3), "1");
    EXPECT_EQ(fgP.testo(5, 1), "IndirizzoAggiornamenti");
    EXPECT_EQ(fgP.testo(6, 1), "IndirizzoArchivioUfficiale");
    // No parameter has a second value: its column is not shown.
    EXPECT_TRUE(trova<VistaGriglia>(programma->inizio(), "FgP")->isColumnHidden(4));
    ASSERT_NE(procedi(), nullptr);
    EXPECT_EQ(testo(programma->finestraPrincipale(), "Lbl_inizioNE"), "1");
    EXPECT_TRUE(trova<QLabel>(programma->finestraPrincipale(), "LblDimostrativo")->isVisible());
}

TEST_F(Avvio, PeriodoDelModelloEdElenco) {
    preparaCartella(creaArchivio(cartella / "a.db", 1250), "1200");
    ASSERT_TRUE(avvia());
    FinestraPrincipale* c = procedi();
    ASSERT_NE(c, nullptr);
    const ArchivioEstrazioni& a = programma->sessione().archivio;
    EXPECT_EQ(c->windowTitle(), "Quorvane");
    EXPECT_EQ(testo(c, "Lbl_inizioNE"), "1200");
    EXPECT_EQ(testo(c, "Lbl_fineNE"), "1250");
    EXPECT_EQ(testo(c, "LblInizio"), QString::fromStdString(a.DateEstrazioni(1200)));
    EXPECT_EQ(testo(c, "LblFine"), QString::fromStdString(a.DateEstrazioni(1250)));
    EXPECT_EQ(testo(c, "Lbl_Ev"), "51");
    EXPECT_EQ(testo(c, "Label4_0"), "Inizio");
    EXPECT_EQ(testo(c, "Label4_1"), "Fine");

    const Griglia& fgpa = trova<VistaGriglia>(c, "fgpa")->griglia();
    ASSERT_EQ(fgpa.righe(), 1251);
    EXPECT_EQ(fgpa.testo(1, 2), "07/01/1939");
    EXPECT_EQ(fgpa.testo(1250, 1), "1250");
    EXPECT_EQ(fgpa.testo(1250, 3), std::to_string(a.ProgAnno(1250)));
    EXPECT_EQ(fgpa.testo(1250, 4), std::to_string(a.ProgMese(1250)));

    // After a reload the model is the whole archive: the window follows by itself.
    QString motivo;
    ASSERT_TRUE(programma->sessione().caricaArchivio(TipoCaricamento::Ricarica, {}, &motivo));
    EXPECT_EQ(testo(c, "Lbl_inizioNE"), "1");
    EXPECT_EQ(testo(c, "Lbl_fineNE"), "1250");
    EXPECT_EQ(testo(c, "Lbl_Ev"), "1250");
}

TEST_F(Avvio, UnModuloSiApreUnaVolta) {
    ASSERT_TRUE(avvia());
    FinestraPrincipale* c = procedi();
    ASSERT_NE(c, nullptr);

    int create = 0;
    FinestraPrincipale::registraModulo("Quadrature", [&create](FinestraPrincipale&) {
        ++create;
        auto* w = new QWidget;
        w->setObjectName("Quadrature");
        return w;
    });
    clicca(c, "Command3");
    clicca(c, "Command3");
    EXPECT_EQ(create, 1);
    auto finestre = c->findChildren<QWidget*>("Quadrature");
    ASSERT_EQ(finestre.size(), 1);
    EXPECT_TRUE(finestre[0]->isVisible());
    finestre[0]->close();
    clicca(c, "Command3");
    EXPECT_EQ(create, 1);
    EXPECT_TRUE(finestre[0]->isVisible());  // shown again, not made again
    FinestraPrincipale::registraModulo("Quadrature", nullptr);

    // Buttons of modules not built yet do nothing.
    clicca(c, "Command6");
    EXPECT_TRUE(c->findChildren<QWidget*>("SistemiOrtogonali").isEmpty());
}

TEST_F(Avvio, PulsantiETastoF1AprononoLArgomentoDellaFinestra) {
    ASSERT_TRUE(avvia());
    clicca(programma->inizio(), "CmDHelp");
    EXPECT_EQ(argomentoHelpMostrato(), 300);
    FinestraPrincipale* c = procedi();
    ASSERT_NE(c, nullptr);
    clicca(c, "Command33");
    EXPECT_EQ(argomentoHelpMostrato(), 310);
    // Beside the help: the version and the licences.
    clicca(c, "CmdInformazioni");
    ASSERT_FALSE(dialoghi.messaggi.empty());
    EXPECT_EQ(dialoghi.messaggi.back().titolo, "Informazioni");
    EXPECT_TRUE(dialoghi.messaggi.back().testo.contains("versione " QUORVANE_VERSIONE));
    EXPECT_TRUE(dialoghi.messaggi.back().testo.contains("General Public License, versione 3 o"));
    EXPECT_TRUE(dialoghi.messaggi.back().testo.contains("Lesser General Public License"));
    mostraHelp(300);
    c->activateWindow();
    QApplication::setActiveWindow(c);
    QTest::keyClick(c, Qt::Key_F1);
    EXPECT_EQ(argomentoHelpMostrato(), 310);
    mostraHelp(9999);
    EXPECT_EQ(argomentoHelpMostrato(), 0);  // unknown topic: the index
}

TEST(Programma, PulsantiStandardInItaliano) {
    Programma::preparaApplicazione(*qApp);
    QMessageBox box(QMessageBox::Question, "Avviso", "Procedere?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Sì");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "No");
}

// A window larger than the screen opens within its free area, one already inside stays as it is,
// and none is made smaller than its layout allows.
TEST(Programma, OgniFinestraSiApreDentroLoSchermo) {
    FinestreNelloSchermo filtro;
    qApp->installEventFilter(&filtro);
    const QRect libero = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget grande;
    grande.resize(libero.width() + 300, libero.height() + 200);
    grande.move(libero.left() + 50, libero.top() + 40);
    grande.show();
    EXPECT_TRUE(libero.contains(grande.frameGeometry())) << grande.frameGeometry().width();

    QWidget piccola;
    piccola.resize(200, 100);
    piccola.move(libero.left() + 10, libero.top() + 10);
    piccola.show();
    EXPECT_EQ(piccola.size(), QSize(200, 100));
    EXPECT_EQ(piccola.pos(), libero.topLeft() + QPoint(10, 10));

    QWidget rigida;
    rigida.setMinimumSize(libero.width() + 100, 50);
    rigida.show();
    EXPECT_EQ(rigida.width(), libero.width() + 100);
    qApp->removeEventFilter(&filtro);
}
