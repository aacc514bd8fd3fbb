// The chart drawn into an image at a fixed size, and what it drew read back from the pixels:
// bars as high as their values, every label where it was put and readable, nothing outside.
#include <QApplication>
#include <QClipboard>
#include <QImage>

#include <gtest/gtest.h>

#include "core/ui/Grafico.h"

using namespace quorvane;

namespace {

using Testo = ImpaginazioneGrafico::Testo;

// Within `tolleranza` of `colore`, so that the core of a smoothed line counts as its colour.
bool colorato(const QImage& img, int x, int y, QColor colore, int tolleranza) {
    const QColor c = img.pixelColor(x, y);
    return std::abs(c.red() - colore.red()) + std::abs(c.green() - colore.green()) +
               std::abs(c.blue() - colore.blue()) <=
           tolleranza;
}

// Pixels of `colore` outside the plot and the legend's swatches.
int fuoriDalPiano(const QImage& img, const ImpaginazioneGrafico& imp, QColor colore, int tolleranza = 0) {
    int fuori = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!colorato(img, x, y, colore, tolleranza)) continue;
            const QPointF punto(x + 0.5, y + 0.5);
            bool dentro = imp.piano.adjusted(-1, -1, 1, 1).contains(punto);
            for (const auto& v : imp.legenda) dentro = dentro || v.rettangolo.adjusted(-1, -1, 1, 1).contains(punto);
            fuori += !dentro;
        }
    return fuori;
}

// Every text inside the image, apart from every other, and with ink where it was put.
void testiLeggibili(const QImage& img, const ImpaginazioneGrafico& imp) {
    for (std::size_t i = 0; i < imp.testi.size(); ++i) {
        const Testo& t = imp.testi[i];
        SCOPED_TRACE(t.testo.toStdString());
        EXPECT_TRUE(QRectF(img.rect()).contains(t.rettangolo));
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(t.rettangolo.intersects(imp.testi[j].rettangolo)) << imp.testi[j].testo.toStdString();
        int inchiostro = 0;
        const QRect r = t.rettangolo.toAlignedRect() & img.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) inchiostro += qGray(img.pixel(x, y)) < 128;
        EXPECT_GT(inchiostro, 0);
    }
}

bool scritto(const ImpaginazioneGrafico& imp, const QString& testo) {
    return std::any_of(imp.testi.begin(), imp.testi.end(), [&](const Testo& t) { return t.testo == testo; });
}

// The rows of one column of the plot painted in `colore`, from the first to the last (the
// legend's swatch of the same colour may stand above the column).
int altezza(const QImage& img, const ImpaginazioneGrafico& imp, int x, QColor colore, int tolleranza = 0) {
    int primo = -1, ultimo = -1;
    const QRect piano = imp.piano.toAlignedRect() & img.rect();
    for (int y = piano.top(); y <= piano.bottom(); ++y)
        if (colorato(img, x, y, colore, tolleranza)) {
            if (primo < 0) primo = y;
            ultimo = y;
        }
    return primo < 0 ? 0 : ultimo - primo + 1;
}

}  // namespace

TEST(Grafico, BarreDaZeroConIlCasoELaSuaFascia) {
    Grafico g;
    g.resize(640, 320);
    DatiGrafico dati;
    dati.titolo = QStringLiteral("Presenze di prova");
    const std::vector<double> valori = {10, 20, 40, 0, 5, 15, 25, 35, 45, 30};
    for (std::size_t i = 0; i < valori.size(); ++i) dati.elementi.push_back(QString::number(i + 1));
    SerieGrafico barre;
    barre.nome = QStringLiteral("Presenze");
    barre.y = valori;
    dati.serie.push_back(barre);
    dati.caso = CasoGrafico{22, 3, std::nullopt};
    g.mostra(dati);
    const QImage img = g.immagine();
    const ImpaginazioneGrafico imp = g.impagina(g.rect(), g.font());

    // Counts from 0; the bars, as high as their values, stand on it.
    EXPECT_EQ(imp.minimoY, 0);
    EXPECT_GE(imp.massimoY, 45);
    // Pixels per unit from the tallest bar, where a pixel of rounding weighs least.
    const double unita = altezza(img, imp, static_cast<int>(imp.x(8)), barre.colore) / 45.0;
    EXPECT_GT(unita, 2);
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const int h = altezza(img, imp, static_cast<int>(imp.x(static_cast<double>(i))), barre.colore);
        EXPECT_NEAR(h, valori[i] * unita, 2) << i;
        EXPECT_NEAR(h, imp.y(0) - imp.y(valori[i]), 2) << i;
    }
    EXPECT_EQ(fuoriDalPiano(img, imp, barre.colore), 0);
    EXPECT_EQ(fuoriDalPiano(img, imp, QColor(200, 30, 30)), 0);  // the chance line

    for (const QString& t : dati.elementi) EXPECT_TRUE(scritto(imp, t)) << t.toStdString();
    for (const char* t : {"Presenze di prova", "Presenze", "Caso: 22,00", "±2σ: 16,00 – 28,00", "0", "50"})
        EXPECT_TRUE(scritto(imp, QString::fromUtf8(t))) << t;
    testiLeggibili(img, imp);

    // The figures under the pointer, and the bar a click picks.
    const QPointF sulTerzo(imp.x(2), imp.piano.center().y());
    EXPECT_EQ(g.barraSotto(sulTerzo), 2);
    EXPECT_EQ(g.testoSotto(sulTerzo), QStringLiteral("3\nPresenze: 40\nCaso: 22,00 (±2σ: 16,00 – 28,00)"));
    EXPECT_EQ(g.barraSotto(QPointF(2, 2)), -1);
    EXPECT_TRUE(g.testoSotto(QPointF(2, 2)).isEmpty());

    // Ninety bars in the same width: the names that fit, upright, still apart.
    dati.elementi.clear();
    dati.serie[0].y.assign(90, 12);
    for (int n = 1; n <= 90; ++n) dati.elementi.push_back(QString::number(n));
    g.mostra(dati);
    const QImage fitta = g.immagine();
    const ImpaginazioneGrafico impFitta = g.impagina(g.rect(), g.font());
    EXPECT_TRUE(scritto(impFitta, QStringLiteral("90")));
    testiLeggibili(fitta, impFitta);
    EXPECT_EQ(fuoriDalPiano(fitta, impFitta, barre.colore), 0);

    g.copia();
    EXPECT_EQ(QApplication::clipboard()->image().size(), fitta.size());
}

TEST(Grafico, LineeSuUnAsseDiAnni) {
    Grafico g;
    g.resize(640, 320);
    DatiGrafico dati;
    SerieGrafico saldo;
    saldo.nome = QStringLiteral("Saldo");
    saldo.forma = SerieGrafico::Forma::Linea;
    saldo.colore = QColor(30, 140, 70);
    saldo.x = {2000, 2001.5, 2003};
    saldo.y = {0, -10, 5};
    saldo.didascalie = {QStringLiteral("01/01/2000"), QStringLiteral("02/07/2001"), QStringLiteral("01/01/2003")};
    dati.serie.push_back(saldo);
    dati.decimali = 2;
    dati.passoMinimoX = 1;
    g.mostra(dati);
    const QImage img = g.immagine();
    const ImpaginazioneGrafico imp = g.impagina(g.rect(), g.font());

    EXPECT_LE(imp.minimoY, -10);
    EXPECT_GE(imp.massimoY, 5);
    for (const char* anno : {"2000", "2001", "2002", "2003"}) EXPECT_TRUE(scritto(imp, QString::fromLatin1(anno)));
    testiLeggibili(img, imp);
    // The line reaches its lowest point, and only inside the plot.
    EXPECT_GT(altezza(img, imp, static_cast<int>(imp.x(2001.5)), saldo.colore, 60), 0);
    EXPECT_EQ(fuoriDalPiano(img, imp, saldo.colore, 60), 0);
    EXPECT_EQ(g.testoSotto(QPointF(imp.x(2001.4), imp.piano.center().y())),
              QStringLiteral("02/07/2001\nSaldo: -10,00"));
}
