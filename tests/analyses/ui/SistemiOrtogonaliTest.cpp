#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

#include "analyses/ui/FinestraSistemiOrtogonali.h"
#include "core/db/DatabaseProgramma.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;

namespace {

class FinestraSistemi : public ::testing::Test {
protected:
    FinestraSistemi() {
        QString errore;
        programma = DatabaseProgramma::apri(test::qpath(cartella.percorso()), {}, &errore);
        EXPECT_TRUE(programma) << errore.toStdString();
    }

    template <class T>
    T* trova(const char* nome) {
        return test::trova<T>(w.get(), nome);
    }
    VistaGriglia* vista(const char* nome) { return trova<VistaGriglia>(nome); }
    Griglia& griglia(const char* nome) { return vista(nome)->griglia(); }
    void clicca(const char* nome) { QTest::mouseClick(trova<QPushButton>(nome), Qt::LeftButton); }
    QModelIndex indice(VistaGriglia* v, int riga, int colonna) {
        QCoreApplication::processEvents();  // the grid is on screen before a user can click it
        return v->model()->index(v->modello()->rigaModello(riga), colonna);
    }
    // Double click on the list row whose name starts with `nome`.
    void caricaSistema(const std::string& nome) {
        auto* v = vista("FgSistemi");
        for (int r = 1; r < v->griglia().righe(); ++r)
            if (v->griglia().testo(r, 2).rfind(nome, 0) == 0) {
                const QPoint punto = v->visualRect(indice(v, r, 2)).center();
                QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, punto);
                QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, punto);
                return;
            }
        ADD_FAILURE() << "sistema assente: " << nome;
    }
    void scegli(int numero) {
        auto* v = vista("Fg99x");
        QCoreApplication::processEvents();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                          v->visualRect(v->model()->index((numero - 1) / 15, (numero - 1) % 15)).center());
    }
    QColor sfondoLabel20() { return trova<QLabel>("Label20")->palette().color(QPalette::Window); }
    void apri() {
        w = std::make_unique<FinestraSistemiOrtogonali>(*programma);
        w->show();
    }

    test::CartellaTemporanea cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<DatabaseProgramma> programma;
    std::unique_ptr<FinestraSistemiOrtogonali> w;
};

}  // namespace

TEST_F(FinestraSistemi, SviluppoDiUnSistemaSuiNumeriScelti) {
    apri();
    EXPECT_EQ(w->windowTitle(), "Sistemi ortogonali");
    Griglia& elenco = griglia("FgSistemi");
    ASSERT_EQ(elenco.righe(), 17);
    EXPECT_TRUE(elenco.colonnaNascosta(1));
    EXPECT_TRUE(elenco.colonnaNascosta(3));
    EXPECT_EQ(griglia("Fg99x").testo(5, 14), "90");

    caricaSistema("13 numeri in 13 righe da 4");
    EXPECT_EQ(griglia("FGSv1").righe(), 14);
    EXPECT_EQ(griglia("FgSy").righe(), 100);
    ASSERT_EQ(griglia("Fg99").righe(), 14);
    EXPECT_EQ(trova<QLabel>("Label20")->text(), "0");
    EXPECT_EQ(sfondoLabel20(), QColor(255, 255, 0));

    // The k-th smallest chosen number replaces base number k.
    for (int k = 13; k >= 1; --k) scegli(k * 6);
    scegli(89);  // the panel is full: refused
    EXPECT_EQ(trova<QLabel>("Label20")->text(), "13");
    EXPECT_EQ(sfondoLabel20(), QColor(0, 255, 0));
    EXPECT_FALSE(griglia("Fg99x").sfondo(5, 13) == Colore{65535});
    clicca("Command36");
    Griglia& sy = griglia("FgSy");
    Griglia& sviluppo = griglia("fG88");
    ASSERT_EQ(sviluppo.righe(), 14);
    for (int r = 1; r <= 13; ++r) {
        EXPECT_EQ(sviluppo.testo(r, 0), std::to_string(r));
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(sviluppo.valore(r, k), sy.valore(r, k) * 6) << r << "," << k;
        EXPECT_EQ(sviluppo.testo(r, 5), "");
    }
    EXPECT_EQ(griglia("Fg99").testo(13, 1), "78");

    // Releasing a number turns the count yellow; the development is rebuilt with a hole.
    scegli(6);
    EXPECT_EQ(sfondoLabel20(), QColor(255, 255, 0));
    clicca("Command36");
    EXPECT_EQ(griglia("Fg99").testo(1, 1), "12");
    EXPECT_EQ(griglia("Fg99").testo(13, 1), "");

    clicca("Command44");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("NuR\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\r1\t"));
    clicca("Command34");  // PREPARA clears the choice and the development
    EXPECT_EQ(trova<QLabel>("Label20")->text(), "0");
    EXPECT_EQ(griglia("fG88").righe(), 1);
    clicca("CmDHelp");
    EXPECT_EQ(argomentoHelpMostrato(), 510);
}

TEST_F(FinestraSistemi, UnSistemaIllegibileMostraErrore) {
    QSqlQuery q(programma->db());
    ASSERT_TRUE(
        q.exec("INSERT INTO Sist_Ortogonali (IdOrto, Denominazione, sviluppo, Numeri) "
               "VALUES (500, 'Guasto', 3, 0)"));
    ASSERT_TRUE(q.exec("INSERT INTO Sist_OrtoSv (NuRiga, Qn, Num, RifOrto) VALUES (1, '3', 'XXX', 500)"));
    ASSERT_TRUE(q.exec("INSERT INTO Sist_OrtoSv (NuRiga, Qn, Num, RifOrto) VALUES (2, '3', 'XXXXXXXXXXXX', 500)"));
    apri();
    EXPECT_EQ(griglia("FgSistemi").testo(1, 2), "Guasto");  // ordered by Numeri
    caricaSistema("Guasto");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "errore");
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "");
    EXPECT_EQ(griglia("FgSy").testo(1, 3), "3");
    EXPECT_EQ(griglia("FgSy").testo(2, 10), "10");

    // RICARICA shows a system added meanwhile.
    ASSERT_TRUE(q.exec("INSERT INTO Sist_Ortogonali (Denominazione, sviluppo, Numeri) VALUES ('Ultimo', 2, 99)"));
    clicca("Command12");
    EXPECT_EQ(griglia("FgSistemi").righe(), 19);
    EXPECT_EQ(griglia("FgSistemi").testo(18, 2), "Ultimo");
}
