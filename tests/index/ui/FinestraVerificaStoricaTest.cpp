#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "index/ui/FinestraVerificaStorica.h"
#include "index/ui/ProvaFinestraIndice.h"
#include "support/DialoghiFinti.h"

using namespace quorvane;
using test::ProvaFinestraIndice;

// Opened from the index window with its options; the run gives what the engine gives, a bad
// period runs nothing, a reload of the archive clears what described the old draws.
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
    QTest::mouseClick(storica->findChild<QPushButton*>("CmdAvvia"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!storica->inCorso(), 60000);
    OpzioniStoriche o{finestra->analisi(), MetodoStorico::Ciclo, 300, 380};
    const EsitoStorico atteso = VerificaStorica(o, archivio());
    ASSERT_FALSE(atteso.giocate.empty());
    const Griglia& fg = storica->findChild<VistaGriglia*>("FgStorico")->griglia();
    ASSERT_EQ(fg.righe() - 1, static_cast<int>(atteso.giocate.size()));
    for (std::size_t i = 0; i < atteso.giocate.size(); ++i)
        EXPECT_EQ(fg.testo(static_cast<int>(i) + 1, 0), std::to_string(atteso.giocate[i].punto));
    const QString riepilogo = storica->findChild<QLabel*>("LblRiepilogo")->text();
    EXPECT_TRUE(riepilogo.contains(QString("<b>%1</b>").arg(atteso.riepilogo.vincite))) << riepilogo.toStdString();
    EXPECT_TRUE(riepilogo.contains("Resa attesa"));

    // A draw added: the results described the old archive.
    QString errore;
    auto db = DatabaseArchivio::apri(test::qpath(cartella / "archivio.db"), &errore);
    ASSERT_TRUE(db && db->aggiungiEstrazioni({generaArchivioDemo(Data{2026, 1, 1})[400]}, &errore));
    ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Ricarica, {}, &errore));
    EXPECT_EQ(fg.righe(), 1);
    EXPECT_TRUE(storica->findChild<QLabel*>("LblRiepilogo")->text().isEmpty());
    EXPECT_EQ(al->value(), archivio().NumEstrazioni());
}
