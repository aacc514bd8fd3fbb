#include <climits>

#include <gtest/gtest.h>

#include "index/Configurazione.h"
#include "support/ArchivioProva.h"

using namespace quorvane;

namespace {

// Model draws 5 (window 6..8) and 3 (window 4..5) of the small archive; Bari and Cagliari.
ArchivioEstrazioni archivioGiocate() {
    return test::archivioDiProva(
        {"", "", "", "01-02-03-04-05", "01-20-21-22-23", "40-41-42-43-44", "60-61-62-63-64", "07-45-80-81-90"},
        {"", "", "", "10-11-12-13-14", "30-31-32-33-34", "01-02-50-51-52", "70-71-72-73-74", "83-84-85-86-87"});
}

MetodoIndice metodoPronto(ArchivioEstrazioni& archivio) {
    MetodoIndice m(archivio, 3);
    m.analisi.EstrazioneSelezionata = 8;
    m.analisi.Mensile = 0;
    m.analisi.NumeroColpi = 3;
    m.analisi.ruoteInGioco = {true, true};
    EXPECT_TRUE(m.RicavaBaseDati());
    EXPECT_EQ(m.analisi.modello.size(), 2u);
    return m;
}

PrevisioneSalvata salvata(int riga, int sorte, const std::vector<int>& numeri, int esiti = 0) {
    Previsione p;
    for (std::size_t i = 0; i < numeri.size(); ++i) p.numeri[i] = numeri[i];
    PrevisioneSalvata s;
    s.Riga = riga;
    s.Sorte = sorte;
    s.Esiti = esiti;
    s.Numeri = testoNumeri(p);
    return s;
}

}  // namespace

TEST(Configurazioni, NumeriSalvatiComeMascheraERipristinatiInOrdine) {
    Previsione p;
    p.numeri = {90, 7, 45};
    const std::string testo = testoNumeri(p);
    ASSERT_EQ(testo.size(), 90u);
    EXPECT_EQ(testo[6], '1');
    EXPECT_EQ(testo[44], '1');
    EXPECT_EQ(testo[89], '1');
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '1'), 3);
    EXPECT_EQ(numeriDaTesto(testo), (std::vector<int>{7, 45, 90}));

    // A number given twice is one number.
    p.numeri = {12, 30, 12};
    EXPECT_EQ(numeriDaTesto(testoNumeri(p)), (std::vector<int>{12, 30}));
    // Characters past the 90th are no numbers; anything but "1" is not a number.
    EXPECT_EQ(numeriDaTesto(std::string(89, '0') + "11x1"), std::vector<int>{90});
    EXPECT_EQ(numeriDaTesto("0x12"), std::vector<int>{3});
}

TEST(Configurazioni, RuoteEOpzioniComePosizioniDelleListe) {
    AnalisiIndice a;
    a.EstrazioneSelezionata = 321;
    a.Presenze = 200;
    a.Mensile = 0;
    a.NumeroColpi = 20;
    a.fineAllaSelezionata = true;
    a.ruoteInGioco = {true, false, false, false, false, false, false, false, false, false, true};
    const Configurazione c = configurazioneDa(a, "Prova");
    EXPECT_EQ(c.nome, "Prova");
    EXPECT_EQ(c.NE, 321);
    EXPECT_EQ(c.Mesi, 195);
    EXPECT_EQ(c.Mensile, 0);
    EXPECT_EQ(c.Colpi, 19);
    EXPECT_EQ(c.Ruote, "10000000001");
    EXPECT_EQ(c.Fine, 1);

    // Without "Estrazione" the selected draw stays; the rest comes back.
    AnalisiIndice b;
    b.EstrazioneSelezionata = 50;
    b.ruoteInGioco.fill(true);
    applicaConfigurazione(c, false, b, 400);
    EXPECT_EQ(b.EstrazioneSelezionata, 50);
    EXPECT_EQ(b.Presenze, 200);
    EXPECT_EQ(b.Mensile, 0);
    EXPECT_EQ(b.NumeroColpi, 20);
    EXPECT_TRUE(b.fineAllaSelezionata);
    EXPECT_EQ(b.ruoteInGioco, a.ruoteInGioco);
    applicaConfigurazione(c, true, b, 400);
    EXPECT_EQ(b.EstrazioneSelezionata, 321);

    // Eleven "0": every wheel out; a shorter text leaves the wheels it does not reach.
    Configurazione nessuna = c;
    nessuna.Ruote = "00000000000";
    applicaConfigurazione(nessuna, false, b, 400);
    EXPECT_EQ(std::count(b.ruoteInGioco.begin(), b.ruoteInGioco.end(), true), 0);
    nessuna.Ruote = "01";
    b.ruoteInGioco.fill(true);
    applicaConfigurazione(nessuna, false, b, 400);
    EXPECT_FALSE(b.ruoteInGioco[0]);
    EXPECT_TRUE(b.ruoteInGioco[1] && b.ruoteInGioco[10]);

    // Positions outside their lists, or a draw beyond the archive, leave the options as they are.
    AnalisiIndice d;
    for (const Configurazione& rotta :
         {Configurazione{0, "x", 401, 196, 32, 20, "", 0}, Configurazione{0, "x", -1, -1, -1, -1, "", 0},
          Configurazione{0, "x", INT_MAX, INT_MAX, INT_MAX, INT_MAX, "", 0}}) {
        applicaConfigurazione(rotta, true, d, 400);
        EXPECT_EQ(d.EstrazioneSelezionata, 0);
        EXPECT_EQ(d.Presenze, 12);
        EXPECT_EQ(d.Mensile, 0);
        EXPECT_EQ(d.NumeroColpi, 12);
    }
}

TEST(Configurazioni, CaricaSoloGiocateRipristinaEVerifica) {
    ArchivioEstrazioni archivio = archivioGiocate();
    MetodoIndice origine = metodoPronto(archivio);
    ASSERT_TRUE(origine.AggiungiDaTavola(2, {1, 2}));
    ASSERT_TRUE(origine.AggiungiDaTavola(1, {90, 7, 45}));
    origine.analisi.previsioni[0].attiva = false;
    const std::vector<PrevisioneSalvata> righe = previsioniDaSalvare(origine.analisi);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].Riga, 1);
    EXPECT_EQ(righe[0].Sorte, 2);
    EXPECT_EQ(righe[0].Esiti, 2);
    EXPECT_EQ(righe[1].Esiti, 0);

    MetodoIndice m = metodoPronto(archivio);
    CaricaSoloGiocate(m, righe);
    const auto& lista = m.analisi.previsioni;
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[1].numeri, (std::array<int, 8>{7, 45, 90}));
    EXPECT_EQ(lista[1].sorte, 1);
    EXPECT_EQ(lista[0].esiti, 2);                     // as stored, not credited again
    EXPECT_TRUE(lista[0].attiva && lista[1].attiva);  // saved inactive, restored active
    // Verified again: the ambo comes out first in both windows, so the ambata of draw 8 is
    // never reached.
    EXPECT_EQ(lista[0].et, 2);
    EXPECT_EQ(lista[1].et, 0);
    EXPECT_EQ(m.analisi.coperti, 2);
    EXPECT_EQ(m.contatori.EsitiFormazione[2][0], 3);

    // Rows that cannot be a forecast are left out; the list keeps at most nine.
    std::vector<PrevisioneSalvata> strane = {salvata(1, 1, {}), salvata(2, 0, {5}), salvata(3, 6, {5}),
                                             salvata(0, 1, {5}), salvata(51, 1, {5})};
    for (int i = 0; i < 11; ++i) strane.push_back(salvata(4 + i, 1, {10 + i}));
    CaricaSoloGiocate(m, strane);
    ASSERT_EQ(lista.size(), 9u);
    EXPECT_EQ(lista[0].numero, 4);
    EXPECT_EQ(lista[8].numeri[0], 18);

    // More than eight numbers stored: the first eight, ascending.
    PrevisioneSalvata lunga = salvata(1, 1, {});
    lunga.Numeri = std::string(90, '1');
    CaricaSoloGiocate(m, {lunga});
    EXPECT_EQ(lista[0].numeri, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
}
