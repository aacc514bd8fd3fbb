#include <gtest/gtest.h>

#include "core/ArchivioEstrazioni.h"

using namespace quorvane;

namespace {

RigaArchivio riga(const std::string& data, const std::string& bari = "01-02-03-04-05",
                  const std::string& nazionale = {}) {
    RigaArchivio r;
    r.data = data;
    for (auto& ruota : r.ruote) ruota = "10-20-30-40-50";
    r.ruote[0] = bari;
    r.ruote[NumRuote - 1] = nazionale;
    return r;
}

std::vector<RigaArchivio> settimane(int quante) {
    std::vector<RigaArchivio> righe;
    long giorno = Data{2000, 1, 1}.giorniDaEpoca();
    for (int i = 0; i < quante; ++i, giorno += 7) righe.push_back(riga(Data::daGiorniDaEpoca(giorno).testo()));
    return righe;
}

}  // namespace

TEST(CaricaArchivio, ProgressiviDelMeseEDellAnno) {
    ArchivioEstrazioni a;
    // Jan, Jan, Feb, Mar, then March of a later year: only the month number is compared.
    std::vector<RigaArchivio> righe = {riga("05/01/1999"), riga("12/01/1999"), riga("02/02/1999"), riga("06/03/1999"),
                                       riga("13/03/1999"), riga("04/03/2000"), riga("08/01/2001")};
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    const int mese[] = {0, 1, 2, 1, 1, 2, 3, 1};
    const int anno[] = {0, 1, 2, 3, 4, 5, 1, 1};
    for (int e = 1; e <= 7; ++e) {
        EXPECT_EQ(a.ProgMese(e), mese[e]) << "estrazione " << e;
        EXPECT_EQ(a.ProgAnno(e), anno[e]) << "estrazione " << e;
    }
}

TEST(CaricaArchivio, NumeriERuoteNonEstratte) {
    ArchivioEstrazioni a;
    std::vector<RigaArchivio> righe = {riga("07/01/1939", "05-12-33-47-89"), riga("14/01/1939", "----"),
                                       riga("21/01/1939", "99-99-99-99-99", "00-00-00-00-00"),
                                       riga("04/05/2005", "11-22-33-44-55", "81-82-83-84-85")};
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.Estratti(1, 1, 1), 5);
    EXPECT_EQ(a.Estratti(1, 1, 5), 89);
    for (int e = 1; e <= 3; ++e) EXPECT_TRUE(a.NumeriRuota(e, NumRuote).vuota()) << "estrazione " << e;
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(a.Estratti(3, 1, k), 0);
    EXPECT_TRUE(a.NumeriRuota(2, 1).vuota());
    EXPECT_EQ(a.Estratti(4, NumRuote, 3), 83);
    EXPECT_TRUE(a.NumeriRuota(4, NumRuote).contiene(85));
    EXPECT_EQ(a.NumeriRuota(1, 1).conta(), 5);
    EXPECT_TRUE(a.NumeriRuota(1, 1).contiene(33));
    EXPECT_FALSE(a.NumeriRuota(1, 1).contiene(34));
    EXPECT_EQ(a.DateEstrazioni(4), "04/05/2005");
    EXPECT_EQ(a.DataEstrazione(4).anno, 2005);
}

// Anything but five different numbers 1..90 in the stored form, or a wheel not drawn, refuses
// the whole archive: read as numbers it would give draws that never were.
TEST(CaricaArchivio, UnValoreDiRuotaNonValidoRifiutaLArchivio) {
    const auto righe = settimane(20);
    ArchivioEstrazioni a;
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    for (const char* valore : {"99-95-00-91-92", "1-2-3-4-5", "12345", "11-11-11-11-11", "05-12-33-47-91",
                               "05-12-33-47-89-10", "05 12 33 47 89", "05-12-33-47-8", " 5-12-33-47-89", "\x01\xff"}) {
        auto rotte = righe;
        rotte[7].ruote[1] = valore;
        for (auto tipo : {TipoCaricamento::Avvio, TipoCaricamento::Ricarica, TipoCaricamento::SoloEstratti})
            EXPECT_EQ(a.CaricaArchivio(rotte, tipo), EsitoCaricamento::RuoteNonValide) << valore;
    }
    EXPECT_EQ(a.NumEstrazioni(), 20);
    EXPECT_EQ(a.Estratti(8, 2, 1), 10);

    auto rotte = righe;
    rotte[7].ruote[1] = "99-95-00-91-92";
    rotte[9].ruote[4] = "12345";
    rotte[9].ruote[5] = "1-2-3";
    rotte[12].ruote[10] = std::string(200, 'x');
    EXPECT_EQ(motivoRuoteNonValide(rotte),
              "L'estrazione del " + righe[7].data +
                  " ha su Cagliari «99-95-00-91-92»: una ruota deve avere cinque numeri diversi da 1 a 90 scritti "
                  "come 05-12-33-47-89, o restare vuota se non estratta. Anche altre 2 estrazioni hanno valori non "
                  "validi.");
    EXPECT_NE(motivoRuoteNonValide({rotte[12]}).find("«xxxxxxxxxxxxxxxxxxxx…»"), std::string::npos);
    EXPECT_EQ(motivoRuoteNonValide(righe), "");
}

TEST(CaricaArchivio, PeriodoModelloDaEstrazioneIniziale) {
    auto righe = settimane(1300);
    ArchivioEstrazioni a;
    a.impostaEstrazioneIniziale(1200);
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.NumEstrazioni(), 1300);
    EXPECT_EQ(a.UltimaEstrazione(), 1300);
    EXPECT_EQ(a.NumModello(), 101);
    for (int k = 1; k <= a.NumModello(); ++k) ASSERT_EQ(a.IndiciModello(k), 1200 + k - 1);
    PeriodoModello p = a.periodoModello();
    EXPECT_EQ(p.inizio, 1200);
    EXPECT_EQ(p.fine, 1300);
    EXPECT_EQ(p.dataInizio, righe[1199].data);
    EXPECT_EQ(p.dataFine, righe[1299].data);
    EXPECT_EQ(p.estrazioni, 101);

    a.impostaEstrazioneIniziale(1300);
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.NumModello(), 1);
    EXPECT_EQ(a.periodoModello().estrazioni, 1);

    // A missing or meaningless start parameter means the whole archive.
    for (int iniziale : {0, -5}) {
        a.impostaEstrazioneIniziale(iniziale);
        ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
        EXPECT_EQ(a.IndiciModello(1), 1);
        EXPECT_EQ(a.NumModello(), 1300);
    }
}

TEST(CaricaArchivio, UnCaricamentoFallitoNonToccaLeTabelle) {
    auto righe = settimane(50);
    ArchivioEstrazioni a;
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);

    a.impostaEstrazioneIniziale(51);
    EXPECT_EQ(a.CaricaArchivio(settimane(50), TipoCaricamento::Avvio), EsitoCaricamento::InizialeOltreArchivio);
    EXPECT_EQ(a.CaricaArchivio({}, TipoCaricamento::Avvio), EsitoCaricamento::ArchivioVuoto);
    auto rotte = settimane(60);
    rotte[30].data = "31/02/2001";
    EXPECT_EQ(a.CaricaArchivio(rotte, TipoCaricamento::Avvio), EsitoCaricamento::ArchivioVuoto);

    EXPECT_EQ(a.NumEstrazioni(), 50);
    EXPECT_EQ(a.NumModello(), 50);
    EXPECT_EQ(a.DateEstrazioni(50), righe[49].data);
    EXPECT_EQ(a.EstrazioneIniziale(), 51);  // the parameter is the caller's, not the load's
}

TEST(CaricaArchivio, RicaricaRendeModelloLArchivioIntero) {
    ArchivioEstrazioni a;
    a.impostaEstrazioneIniziale(10);
    ASSERT_EQ(a.CaricaArchivio(settimane(40), TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    ASSERT_EQ(a.CaricaArchivio(settimane(41), TipoCaricamento::Ricarica), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.IndiciModello(1), 1);
    EXPECT_EQ(a.NumModello(), 41);
    EXPECT_EQ(a.UltimaEstrazione(), 41);
    EXPECT_EQ(a.EstrazioneIniziale(), 10);
}

TEST(CaricaArchivio, SoloEstrattiLasciaIlModello) {
    ArchivioEstrazioni a;
    a.impostaEstrazioneIniziale(5);
    ASSERT_EQ(a.CaricaArchivio(settimane(20), TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    auto righe = settimane(22);
    righe[21].ruote[0] = "90-89-88-87-86";
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::SoloEstratti), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.NumEstrazioni(), 22);
    EXPECT_EQ(a.Estratti(22, 1, 1), 90);
    EXPECT_EQ(a.UltimaEstrazione(), 20);
    EXPECT_EQ(a.NumModello(), 16);
    EXPECT_EQ(a.ProgAnno(22), 0);  // no ordinal until the next full load

    // Draws removed meanwhile: no index past the end survives.
    ASSERT_EQ(a.CaricaArchivio(settimane(8), TipoCaricamento::SoloEstratti), EsitoCaricamento::Riuscito);
    EXPECT_EQ(a.UltimaEstrazione(), 8);
    EXPECT_EQ(a.NumModello(), 4);
    EXPECT_EQ(a.periodoModello().fine, 8);
}

TEST(CaricaArchivio, CrescePiuDiDiecimilaEstrazioniEAvanza) {
    auto righe = settimane(12000);
    ArchivioEstrazioni a;
    int ultima = 0, chiamate = 0;
    ASSERT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio,
                               [&](int riga, int totale) {
                                   EXPECT_EQ(totale, 12000);
                                   EXPECT_EQ(riga, ultima + 1);
                                   ultima = riga;
                                   ++chiamate;
                               }),
              EsitoCaricamento::Riuscito);
    EXPECT_EQ(chiamate, 12000);
    EXPECT_EQ(a.NumEstrazioni(), 12000);
    EXPECT_EQ(a.DateEstrazioni(12000), righe.back().data);
    EXPECT_EQ(a.Estratti(12000, 2, 5), 50);
}
