#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "core/ui/VistaGriglia.h"

using namespace quorvane;

namespace {

void riempi(Griglia& g, int righe) {
    g.impostaIntestazione("Pos|Ruota|Estratti|Colpi");
    g.impostaRighe(1);
    g.impostaRighe(righe + 1);
    for (int r = 1; r <= righe; ++r) {
        g.impostaTesto(r, 0, std::to_string(r));
        g.impostaTesto(r, 1, "BA");
        g.impostaTesto(r, 2, "05-12-33-47-89");
        g.impostaTesto(r, 3, std::to_string(r % 18));
    }
}

}  // namespace

TEST(VistaGriglia, NomeDellaGrigliaDiventaObjectName) {
    QWidget finestra;
    auto* v = new VistaGriglia("fgpa", &finestra);
    EXPECT_EQ(finestra.findChild<VistaGriglia*>("fgpa"), v);
    EXPECT_EQ(v->griglia().nome(), "fgpa");

    Griglia esterna("FgV", 3, 2);
    VistaGriglia w(&esterna);
    EXPECT_EQ(w.objectName(), "FgV");
    EXPECT_EQ(&w.griglia(), &esterna);
    EXPECT_EQ(w.model()->rowCount(), 2);
}

TEST(VistaGriglia, SiAggiornaDaSolaUnaVoltaPerRiempimento) {
    VistaGriglia v("fgpa");
    QAbstractItemModel* m = v.model();
    QSignalSpy reimpostazioni(m, &QAbstractItemModel::modelReset);
    Griglia& g = v.griglia();
    riempi(g, 3);
    g.nascondiRiga(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(reimpostazioni.count(), 1);
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(m->data(m->index(2, 3)).toString(), "3");
    EXPECT_TRUE(v.isRowHidden(1));

    // Until the view catches up, the rows it still counts are read safely.
    g.impostaRighe(2);
    EXPECT_EQ(m->rowCount(), 3);
    EXPECT_FALSE(m->data(m->index(2, 3)).isValid());
    QCoreApplication::processEvents();
    EXPECT_EQ(m->rowCount(), 1);

    // A change of cells only repaints them: nothing is reset.
    g.impostaTesto(1, 1, "CA");
    QCoreApplication::processEvents();
    EXPECT_EQ(reimpostazioni.count(), 2);
    EXPECT_EQ(m->data(m->index(0, 1)).toString(), "CA");
}

TEST(VistaGriglia, ModelloMostraTestiColoriEGrassetto) {
    VistaGriglia v("fgpa");
    Griglia& g = v.griglia();
    riempi(g, 3);
    g.impostaSfondo(2, 2, rgb(10, 20, 30));
    g.impostaColore(2, 3, 0x0000FF);
    g.impostaGrassetto(3, 1, true);
    g.impostaAllineamentoColonna(3, Allineamento::Destra);
    g.impostaSfondo(3, 0, 0x00FF00);
    v.aggiorna();

    QAbstractItemModel* m = v.model();
    ASSERT_EQ(m->rowCount(), 3);
    ASSERT_EQ(m->columnCount(), 4);
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), "Estratti");
    // Model row 1 is grid row 2: the header row is not a model row.
    EXPECT_EQ(m->index(1, 0).data().toString(), "2");
    EXPECT_EQ(m->index(0, 2).data().toString(), "05-12-33-47-89");

    EXPECT_EQ(m->index(1, 2).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(10, 20, 30));
    EXPECT_EQ(m->index(1, 3).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_FALSE(m->index(0, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(m->index(2, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(m->index(2, 2).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(m->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_TRUE(m->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);

    // The fixed column looks like a button unless the program coloured it.
    EXPECT_EQ(m->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              QGuiApplication::palette().button().color());
    EXPECT_EQ(m->index(2, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 255, 0));
}

TEST(VistaGriglia, ModificaSoloSeLaGrigliaLoConsente) {
    VistaGriglia v("FgV");
    riempi(v.griglia(), 2);
    v.aggiorna();
    QAbstractItemModel* m = v.model();
    EXPECT_FALSE(m->flags(m->index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m->setData(m->index(0, 3), "9"));
    EXPECT_EQ(v.griglia().testo(1, 3), "1");

    v.griglia().impostaModificabile(true);
    EXPECT_TRUE(m->flags(m->index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
    QSignalSpy modificata(&v, &VistaGriglia::cellaModificata);
    EXPECT_TRUE(m->setData(m->index(1, 3), "9"));
    EXPECT_EQ(v.griglia().testo(2, 3), "9");
    ASSERT_EQ(modificata.count(), 1);
    EXPECT_EQ(modificata.at(0).at(0).toInt(), 2);
    EXPECT_EQ(modificata.at(0).at(1).toInt(), 3);
}

TEST(VistaGriglia, ElencoDiModificaOffreUnaCombo) {
    VistaGriglia v("fgpa");
    Griglia& g = v.griglia();
    riempi(g, 2);
    g.impostaModificabile(true);
    g.impostaElencoModifica(3, "|1|2|3|4|5");
    v.aggiorna();
    v.resize(500, 300);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));

    const QModelIndex i = v.model()->index(0, 3);
    v.setCurrentIndex(i);
    v.edit(i);
    auto* combo = qobject_cast<QComboBox*>(v.indexWidget(i));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemText(4), "5");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "1");  // the cell's text
    combo->setCurrentIndex(3);
    QTest::keyClick(combo, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits through a queued call
    EXPECT_EQ(g.testo(1, 3), "4");
    EXPECT_EQ(v.indexWidget(i), nullptr);

    // A column without a list edits as plain text.
    const QModelIndex j = v.model()->index(0, 2);
    v.setCurrentIndex(j);
    v.edit(j);
    ASSERT_NE(v.indexWidget(j), nullptr);
    EXPECT_EQ(qobject_cast<QComboBox*>(v.indexWidget(j)), nullptr);
}

// Tab goes from a grid to the next control, also from a cell being edited (what was typed is
// kept); the arrow keys walk the cells.
TEST(VistaGriglia, TabPassaAlControlloSeguente) {
    QWidget finestra;
    auto* prima = new QLineEdit(&finestra);
    auto* v = new VistaGriglia("FgV", &finestra);
    auto* dopo = new QPushButton(QStringLiteral("dopo"), &finestra);
    auto* layout = new QVBoxLayout(&finestra);
    layout->addWidget(prima);
    layout->addWidget(v);
    layout->addWidget(dopo);
    riempi(v->griglia(), 3);
    v->aggiorna();
    finestra.show();
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));

    v->setFocus();
    v->setCurrentIndex(v->model()->index(0, 1));
    QTest::keyClick(v, Qt::Key_Right);
    EXPECT_EQ(v->currentIndex().column(), 2);
    QTest::keyClick(v, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dopo);
    EXPECT_EQ(v->currentIndex().column(), 2);
    v->setFocus();
    QTest::keyClick(v, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), prima);

    v->griglia().impostaModificabile(true);
    const QModelIndex cella = v->model()->index(1, 3);
    v->setCurrentIndex(cella);
    v->edit(cella);
    QWidget* editor = v->indexWidget(cella);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(v->griglia().testo(2, 3), "7");
    EXPECT_EQ(QApplication::focusWidget(), dopo);
    EXPECT_EQ(v->currentIndex(), cella);
}

TEST(VistaGriglia, RigheEColonneNascosteEPrimaRigaMostrata) {
    VistaGriglia v("fgpa");
    Griglia& g = v.griglia();
    riempi(g, 200);
    g.nascondiColonna(1);
    g.nascondiRiga(5);
    g.impostaPrimaRigaMostrata(120);
    v.resize(400, 300);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    v.aggiorna();
    EXPECT_TRUE(v.isColumnHidden(1));
    EXPECT_FALSE(v.isColumnHidden(2));
    EXPECT_TRUE(v.isRowHidden(4));
    EXPECT_FALSE(v.isRowHidden(5));
    EXPECT_EQ(v.rowAt(0), 119);  // grid row 120
    EXPECT_EQ(g.primaRigaMostrata(), 120);

    // Refilling clears the hidden rows of the old contents and goes back to the top.
    g.impostaRighe(1);
    g.impostaRighe(201);
    g.nascondiColonna(1, false);
    v.aggiorna();
    EXPECT_FALSE(v.isRowHidden(4));
    EXPECT_FALSE(v.isColumnHidden(1));
    EXPECT_EQ(v.rowAt(0), 0);

    // Scrolling by the user is written back, so that a later aggiorna() keeps the place.
    v.scrollTo(v.model()->index(150, 0), QAbstractItemView::PositionAtTop);
    EXPECT_EQ(g.primaRigaMostrata(), 151);
    v.aggiorna();
    EXPECT_EQ(v.rowAt(0), 150);
}

TEST(VistaGriglia, RigaEColonnaCorrenteSeguonoIlClic) {
    VistaGriglia v("fgpa");
    riempi(v.griglia(), 10);
    v.aggiorna();
    v.resize(500, 400);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    QSignalSpy clic(&v, &VistaGriglia::clic);

    const QRect cella = v.visualRect(v.model()->index(3, 2));
    QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, cella.center());
    EXPECT_EQ(v.griglia().rigaCorrente(), 4);
    EXPECT_EQ(v.griglia().colonnaCorrente(), 2);
    ASSERT_EQ(clic.count(), 1);
    EXPECT_EQ(clic.at(0).at(0).toInt(), 4);

    // A current cell set by the program is shown after aggiorna().
    v.griglia().impostaRigaCorrente(7);
    v.griglia().impostaColonnaCorrente(1);
    v.aggiorna();
    EXPECT_EQ(v.currentIndex().row(), 6);
    EXPECT_EQ(v.currentIndex().column(), 1);
}

TEST(VistaGriglia, LarghezzeDelleColonne) {
    VistaGriglia v("fgpa");
    Griglia& g = v.griglia();
    riempi(g, 50);
    g.impostaTesto(30, 1, "Una ruota dal nome molto, molto lungo");
    v.aggiorna();
    v.adattaColonne();
    const int larga = v.columnWidth(1);
    EXPECT_GT(larga, v.fontMetrics().horizontalAdvance("Una ruota dal nome molto"));
    EXPECT_LT(v.columnWidth(3), larga);

    // Widths survive a refresh with the same columns; a width set in the grid wins.
    g.impostaLarghezzaColonna(3, 77);
    v.aggiorna();
    EXPECT_EQ(v.columnWidth(1), larga);
    EXPECT_EQ(v.columnWidth(3), 77);
}

TEST(VistaGriglia, CopiaTabellaMetteTuttaLaGrigliaNegliAppunti) {
    VistaGriglia v("fgpa");
    Griglia& g = v.griglia();
    g.impostaIntestazione("N|Ruota");
    g.aggiungiRiga("1\tBA");
    g.aggiungiRiga("2\tCA");
    g.nascondiRiga(2);
    v.aggiorna();
    v.copiaTabella();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "N\tRuota\r1\tBA\r2\tCA");
}

TEST(VistaGriglia, StampaInPdf) {
    VistaGriglia v("fgpa");
    Griglia& g = v.griglia();
    riempi(g, 120);
    g.impostaSfondo(3, 2, 0x00FFFF);
    g.impostaTesto(4, 1, "<b>&");
    g.nascondiColonna(3);
    g.nascondiRiga(2);
    v.aggiorna();

    const QString html = v.html("Previsioni");
    EXPECT_TRUE(html.contains("Previsioni"));
    EXPECT_TRUE(html.contains("&lt;b&gt;&amp;"));
    EXPECT_TRUE(html.contains("#ffff00"));  // 0x00FFFF is red + green
    EXPECT_FALSE(html.contains("Colpi"));
    EXPECT_FALSE(html.contains(">2<"));

    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("griglia.pdf");
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(percorso);
    v.stampa("Previsioni", stampante, QPageLayout::Landscape, 1440);
    EXPECT_EQ(stampante.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(stampante.pageLayout().margins(QPageLayout::Millimeter).left(), 25.4, 0.1);

    QFile pdf(percorso);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenuto = pdf.readAll();
    EXPECT_GT(contenuto.size(), 1000);
    EXPECT_TRUE(contenuto.startsWith("%PDF"));
}

TEST(VistaGriglia, StampaAnnullataNonFaNulla) {
    VistaGriglia v("fgpa");
    riempi(v.griglia(), 3);
    v.aggiorna();
    bool visto = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            visto = true;
            dialogo->reject();
        }
    });
    EXPECT_FALSE(v.stampaConDialogo("Titolo"));
    EXPECT_TRUE(visto);
}

// Rows hidden in the grid are hidden in the view, row for row, after a refill of 10,000 rows.
TEST(VistaGriglia, DiecimilaRigheConRigheNascoste) {
    VistaGriglia v("grande");
    Griglia& g = v.griglia();
    g.impostaIntestazione("A|B|C|D|E|F|G|H|I|J|K|L");
    g.impostaRighe(10001);
    for (int r = 1; r <= 10000; ++r)
        for (int c = 0; c < 12; ++c) g.impostaTesto(r, c, std::to_string(r * 100 + c));
    v.aggiorna();
    for (int r = 1; r <= 10000; r += 3) g.nascondiRiga(r);
    v.aggiorna();

    EXPECT_EQ(v.model()->rowCount(), 10000);
    EXPECT_TRUE(v.isRowHidden(0));
    EXPECT_FALSE(v.isRowHidden(1));
    EXPECT_TRUE(v.isRowHidden(9999));
    EXPECT_EQ(v.model()->index(9998, 0).data().toString(), QStringLiteral("999900"));
}
