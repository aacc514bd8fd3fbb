#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "analyses/ui/FinestraQuadrature.h"
#include "core/ui/VistaGriglia.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;

namespace {

class ProvaQuadrature : public ::testing::Test {
protected:
    ProvaQuadrature() {
        w.show();
        QApplication::setActiveWindow(&w);
    }

    template <class T>
    T* trova(const QString& nome) {
        return test::trova<T>(&w, nome);
    }
    QLineEdit* casella(int i) { return trova<QLineEdit>(QStringLiteral("TxtQ_%1").arg(i)); }
    QListWidget* lista() { return trova<QListWidget>("List1"); }
    Griglia& fg1() { return trova<VistaGriglia>("fg1")->griglia(); }
    QString etichetta(const char* nome) { return trova<QLabel>(nome)->text(); }
    QColor sfondo(int i) { return casella(i)->palette().color(QPalette::Base); }
    QColor colore(const char* nome) { return trova<QLabel>(nome)->palette().color(QPalette::WindowText); }

    // Clicks box i, then the number in the list it shows.
    void scegli(int i, int numero) {
        QTest::mouseClick(casella(i), Qt::LeftButton);
        ASSERT_TRUE(lista()->isVisible());
        QListWidgetItem* voce = lista()->item(numero - 1);
        lista()->scrollToItem(voce);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualItemRect(voce).center());
    }
    void cliccaRiga(int riga) {
        auto* vista = trova<VistaGriglia>("fg1");
        QCoreApplication::processEvents();  // the grid is on screen before a user can click it
        const QModelIndex i = vista->model()->index(vista->modello()->rigaModello(riga), 1);
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(i).center());
    }

    test::DialoghiFinti dialoghi;
    FinestraQuadrature w;
};

const QColor bianco(255, 255, 255), giallo(255, 255, 0), ciano(0, 255, 255), rosso(255, 0, 0), nero(0, 0, 0);

}  // namespace

TEST_F(ProvaQuadrature, NumeriDallaListaODigitatiESoloQuattroDannoUnRisultato) {
    EXPECT_EQ(w.windowTitle(), "Quadrature");
    EXPECT_FALSE(lista()->isVisible());
    EXPECT_EQ(lista()->count(), 90);
    EXPECT_EQ(fg1().testo(7, 0), "Distanza orizzontale 1");

    scegli(1, 50);
    EXPECT_EQ(casella(1)->text(), "50");
    EXPECT_FALSE(lista()->isVisible());
    EXPECT_EQ(sfondo(1), giallo);  // the box in use
    // Three empty boxes: no sums of 50 with zeros, and CALCOLA says what is missing.
    EXPECT_EQ(etichetta("LblTS"), "");
    EXPECT_EQ(etichetta("LblSD1"), "");
    QTest::mouseClick(trova<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Servono quattro numeri da 1 a 90; non ne ha uno valido: N2, N3, N4.");
    EXPECT_EQ(etichetta("LblTS"), "");

    // Typed numbers count as the chosen ones; the fourth completes the square.
    QTest::keyClicks(casella(2), "2");
    QTest::keyClicks(casella(3), "3");
    QTest::keyClicks(casella(4), "4");
    EXPECT_EQ(etichetta("LblTS"), "59");
    QTest::mouseDClick(casella(1), Qt::LeftButton);
    QTest::keyClicks(casella(1), "1");
    EXPECT_EQ(etichetta("LblTS"), "10");
    const char* somme[] = {"LblSO1", "LblSO2", "LblSv1", "LblSv2", "LblSD1", "LblSD2"};
    const char* distanze[] = {"LblDO1", "LblDO2", "LblDv1", "LblDv2", "LblDD1", "LblDD2"};
    const char* attese[] = {"3", "7", "4", "6", "5", "5", "1", "1", "2", "2", "3", "1"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(etichetta(somme[i]), attese[i]) << somme[i];
        EXPECT_EQ(etichetta(distanze[i]), attese[i + 6]) << distanze[i];
    }
    EXPECT_EQ(fg1().testo(2, 2), "3 4");
    EXPECT_EQ(fg1().testo(2, 3), "7");

    // A box emptied or out of range takes the results away.
    QTest::mouseDClick(casella(4), Qt::LeftButton);
    EXPECT_EQ(casella(4)->text(), "");
    EXPECT_EQ(etichetta("LblTS"), "");
    QTest::keyClicks(casella(4), "95");
    EXPECT_EQ(etichetta("LblTS"), "");
    QTest::mouseClick(trova<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Servono quattro numeri da 1 a 90; non ne ha uno valido: N4.");
}

TEST_F(ProvaQuadrature, LaRigaSceltaEvidenziaLaCoppiaEResetLaSpegne) {
    for (int i = 1; i <= 4; ++i) scegli(i, 10 * i);
    cliccaRiga(5);  // sum of diagonal 1: N1 and N4
    EXPECT_EQ(sfondo(1), ciano);
    EXPECT_EQ(sfondo(4), ciano);
    EXPECT_EQ(sfondo(2), bianco);
    EXPECT_EQ(colore("LblSD1"), rosso);
    EXPECT_EQ(colore("LblDD1"), nero);
    cliccaRiga(10);  // distance of vertical 2: N2 and N4
    EXPECT_EQ(sfondo(1), bianco);
    EXPECT_EQ(sfondo(2), ciano);
    EXPECT_EQ(sfondo(4), ciano);
    EXPECT_EQ(colore("LblSD1"), nero);
    EXPECT_EQ(colore("LblDv2"), rosso);

    QTest::mouseClick(casella(3), Qt::LeftButton);
    ASSERT_TRUE(lista()->isVisible());
    QTest::mouseClick(trova<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(lista()->isVisible());
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(sfondo(i), bianco);
    EXPECT_EQ(colore("LblDv2"), nero);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(casella(i)->text(), "");
    EXPECT_EQ(etichetta("LblDv2"), "");
    EXPECT_EQ(fg1().testo(10, 2), "");
}
