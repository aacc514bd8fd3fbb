#include <gtest/gtest.h>

#include "core/Colori.h"
#include "index/Copertura.h"
#include "index/GriglieIndice.h"
#include "index/Ritardi.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

using test::archivioDiProva;

AnalisiIndice analisi(int selezionata, int mensile, int colpi) {
    AnalisiIndice a;
    a.EstrazioneSelezionata = selezionata;
    a.Mensile = mensile;
    a.NumeroColpi = colpi;
    return a;
}

std::vector<int> estratte(const AnalisiIndice& a) {
    std::vector<int> e;
    for (const auto& r : a.modello) e.push_back(r.estr);
    return e;
}

}  // namespace

TEST(RicavaBaseDati, UltimaDelMeseSenzaEConForzatura) {
    const ArchivioEstrazioni archivio = archivioDiProva();
    AnalisiIndice a = analisi(8, 0, 3);
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    // The last draw of the archive is never a model draw without the box.
    EXPECT_EQ(estratte(a), (std::vector<int>{5, 3}));
    EXPECT_EQ(a.FineRicerca, 8);
    const RigaModello& r1 = a.modello[0];
    const RigaModello& r2 = a.modello[1];
    EXPECT_EQ(r1.inizio, 6);
    EXPECT_EQ(r1.fine, 8);
    EXPECT_EQ(r1.end, 8);
    EXPECT_TRUE(r1.inizioSovrapposto);
    EXPECT_FALSE(r1.tagliata);  // 8 - 5 > colpi - 1
    EXPECT_EQ(r2.fine, 6);
    EXPECT_EQ(r2.end, 5);  // stops at the next more recent model draw
    EXPECT_TRUE(r2.endAccorciato);
    EXPECT_FALSE(r1.senzaSeguito);

    a.forzaUltima = true;
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    EXPECT_EQ(estratte(a), (std::vector<int>{8, 5, 3}));
    EXPECT_TRUE(a.modello[0].senzaSeguito);
    EXPECT_EQ(a.modello[0].inizio, 9);
    EXPECT_EQ(a.modello[0].end, 8);  // an empty window
    EXPECT_TRUE(a.modello[0].tagliata);
    EXPECT_FALSE(a.modello[1].tagliata);
    EXPECT_EQ(a.modello[1].end, 8);  // the empty window of draw 8 does not shorten it
    EXPECT_FALSE(a.modello[1].endAccorciato);
}

TEST(RicavaBaseDati, OrdinaleDelMeseColpoUnoEPresenze) {
    const ArchivioEstrazioni archivio = archivioDiProva();
    AnalisiIndice a = analisi(8, 2, 1);
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    EXPECT_EQ(estratte(a), (std::vector<int>{7, 5, 2}));  // fewer than Presenze: what was found
    for (const auto& r : a.modello) {
        EXPECT_EQ(r.fine, r.estr + 1);
        EXPECT_EQ(r.end, r.fine);
        EXPECT_FALSE(r.inizioSovrapposto || r.endAccorciato || r.tagliata || r.senzaSeguito);
    }
    a.Presenze = 2;
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    EXPECT_EQ(estratte(a), (std::vector<int>{7, 5}));
    EXPECT_EQ(a.modello[1].numero, 2);

    a.Mensile = 4;  // no month has four draws
    EXPECT_FALSE(RicavaBaseDati(a, archivio));
    EXPECT_TRUE(a.modello.empty());
}

TEST(RicavaBaseDati, FineRicercaTaglia) {
    const ArchivioEstrazioni archivio = archivioDiProva();
    AnalisiIndice a = analisi(6, 0, 3);
    a.fineAllaSelezionata = true;
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    EXPECT_EQ(a.FineRicerca, 6);
    EXPECT_EQ(estratte(a), (std::vector<int>{5, 3}));
    EXPECT_EQ(a.modello[0].fine, 6);
    EXPECT_TRUE(a.modello[0].tagliata);
    EXPECT_FALSE(a.modello[1].tagliata);  // the walk of cut rows stops at the first that is whole

    a.fineAllaSelezionata = false;  // recomputed at every run
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    EXPECT_EQ(a.FineRicerca, 8);
    EXPECT_EQ(a.modello[0].fine, 8);
}

TEST(Ritardi, ZeroPerMaiUscitoEPerAppenaUscito) {
    const ArchivioEstrazioni archivio = archivioDiProva(
        {"01-02-03-04-05", "", "06-07-08-09-10", "", "11-12-13-14-15", "", "", "01-16-17-18-19"});
    TabellaRitardi r = calcolaRitardi(archivio, 8);
    EXPECT_EQ(r[1][0], 0);   // in the selected draw
    EXPECT_EQ(r[90][0], 0);  // never drawn
    EXPECT_EQ(r[2][0], 7);
    EXPECT_EQ(r[11][0], 3);
    EXPECT_EQ(r[6][0], 5);
    EXPECT_EQ(r[2][1], 0);  // another wheel
    r = calcolaRitardi(archivio, 6);
    EXPECT_EQ(r[1][0], 5);  // counted from the selected draw, later draws unseen
    EXPECT_EQ(r[16][0], 0);

    Griglia fgRit;
    std::array<bool, NumRuote> ruote{};
    ruote[2] = true;
    riempiTabellaRitardi(fgRit, r, ruote);
    EXPECT_EQ(fgRit.righe(), 91);
    EXPECT_EQ(fgRit.testo(11, 0), "11");
    EXPECT_EQ(fgRit.testo(11, 1), "1");
    EXPECT_EQ(fgRit.sfondo(5, 3), GialloRitardi);
    EXPECT_FALSE(fgRit.sfondo(5, 1).has_value());
    EXPECT_TRUE(fgRit.grassetto(90, 0));
}

TEST(Elabora, OgniRigaContaUnaVoltaESoloSeUtilizzabile) {
    // Model draws 8 (no window), 5 (window 6..8), 3 (window 4..5), colpi 3, Forza ultima.
    ArchivioEstrazioni archivio = archivioDiProva(
        {"", "", "", "01-02-03-04-05", "01-02-20-21-22", "01-30-31-32-33", "40-41-42-43-44", "01-02-50-51-52"});
    AnalisiIndice a = analisi(8, 0, 3);
    a.forzaUltima = true;
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    impostaRuoteInGioco(a);
    auto coppie = Elabora(a, archivio);
    ASSERT_EQ(coppie.size(), 4005u);
    auto copertura = [&](int x, int y) {
        for (const auto& c : coppie)
            if (c.a == x && c.b == y) return c.copertura;
        return -1;
    };
    EXPECT_EQ(copertura(1, 2), 2);    // both windows, drawn several times: each row once
    EXPECT_EQ(copertura(20, 40), 2);  // one number in each window
    EXPECT_EQ(copertura(40, 50), 1);
    EXPECT_EQ(copertura(88, 89), 0);
    EXPECT_EQ(coppie.front().copertura, 2);
    for (std::size_t i = 1; i < coppie.size(); ++i) {
        ASSERT_GE(coppie[i - 1].copertura, coppie[i].copertura);
        if (coppie[i - 1].copertura == coppie[i].copertura) {  // equal counts keep the pair order
            ASSERT_TRUE(coppie[i - 1].a < coppie[i].a ||
                        (coppie[i - 1].a == coppie[i].a && coppie[i - 1].b < coppie[i].b));
        }
    }

    // A covered row no longer counts; nor does anything without a wheel in play.
    a.modello[2].coperta = true;
    coppie = Elabora(a, archivio);
    EXPECT_EQ(copertura(1, 2), 1);
    EXPECT_EQ(copertura(20, 40), 1);
    a.ruoteInGioco = {};
    impostaRuoteInGioco(a);
    coppie = Elabora(a, archivio);
    ASSERT_EQ(coppie.size(), 4005u);
    EXPECT_EQ(coppie.front().copertura, 0);

    Griglia fg9090;
    riempiTabellaCoppie(fg9090, coppie);
    EXPECT_EQ(fg9090.righe(), 4006);
    EXPECT_EQ(fg9090.testo(1, 1), "1");
    EXPECT_EQ(fg9090.testo(1, 2), "2");
    EXPECT_EQ(fg9090.sfondo(4005, 3), GialloRitardi);
}

TEST(Elabora, CopertureSingoleDeiNumeri) {
    ArchivioEstrazioni archivio = archivioDiProva(
        {"", "", "", "01-02-03-04-05", "01-02-20-21-22", "01-30-31-32-33", "40-41-42-43-44", "01-02-50-51-52"});
    AnalisiIndice a = analisi(8, 0, 3);
    a.forzaUltima = true;
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    impostaRuoteInGioco(a);
    auto numeri = copertureSingole(a, archivio);
    ASSERT_EQ(numeri.size(), 90u);
    EXPECT_EQ(numeri[0].numero, 1);
    EXPECT_EQ(numeri[0].copertura, 2);
    EXPECT_EQ(numeri[1].numero, 2);
    EXPECT_EQ(numeri[2].numero, 3);  // then the numbers of one window, in order
    EXPECT_EQ(numeri[2].copertura, 1);
    Griglia fgCC;
    std::vector<Formazione> singole;
    for (const auto& n : numeri) singole.push_back({n.copertura, {n.numero}});
    riempiTabellaFormazioni(fgCC, singole);
    EXPECT_EQ(fgCC.righe(), 91);
    EXPECT_EQ(fgCC.testo(1, 0), "2");
    EXPECT_EQ(fgCC.testo(1, 1), "1");
}

TEST(RicavaBaseDati, FgVMostraLoStatoConIColori) {
    const ArchivioEstrazioni archivio = archivioDiProva();
    AnalisiIndice a = analisi(8, 0, 3);
    a.forzaUltima = true;
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    a.modello[2].coperta = true;
    Griglia fgV("FgV");
    riempiTabellaModello(fgV, a, archivio);
    ASSERT_EQ(fgV.righe(), 4);
    EXPECT_EQ(fgV.colonne(), 23);
    EXPECT_TRUE(fgV.colonnaNascosta(6));
    EXPECT_EQ(fgV.testo(1, 2), "20/03/2000");
    EXPECT_EQ(fgV.sfondo(1, 0), Giallo);
    EXPECT_EQ(fgV.sfondo(1, 1), Rosso);
    EXPECT_FALSE(fgV.sfondo(1, 3).has_value());
    EXPECT_EQ(fgV.sfondo(2, 3), Verde);
    EXPECT_EQ(fgV.sfondo(3, 0), Verde);
    EXPECT_EQ(fgV.sfondo(3, 5), Giallo);
    EXPECT_EQ(fgV.sfondo(2, 6), CelesteRisultati);
    EXPECT_TRUE(fgV.grassetto(2, 6));
    EXPECT_FALSE(fgV.sfondo(2, 0).has_value());
}

TEST(RicavaBaseDati, ProprietaSullArchivioReale) {
    RICHIEDE_STORICO();
    ArchivioEstrazioni archivio = test::archivioReale();

    for (int mensile : {0, 1, 3, 9}) {
        AnalisiIndice a = analisi(archivio.NumEstrazioni() - 3, mensile, 20);
        a.Presenze = 200;
        a.ruoteInGioco.fill(true);
        ASSERT_TRUE(RicavaBaseDati(a, archivio));
        ASSERT_EQ(a.modello.size(), 200u);
        for (std::size_t k = 0; k < a.modello.size(); ++k) {
            const RigaModello& r = a.modello[k];
            ASSERT_EQ(r.inizio, r.estr + 1);
            ASSERT_LE(r.end, r.fine);
            ASSERT_LE(r.fine, a.FineRicerca);
            if (k > 0) {
                ASSERT_LE(r.end, a.modello[k - 1].estr);  // never reaches the next model draw
            }
            if (mensile > 0) {
                ASSERT_EQ(archivio.ProgMese(r.estr), mensile);
            }
        }
        impostaRuoteInGioco(a);
        const auto usabili = finestreScoperte(a, archivio, true).size();
        for (const auto& c : Elabora(a, archivio)) ASSERT_LE(static_cast<std::size_t>(c.copertura), usabili);
    }
}
