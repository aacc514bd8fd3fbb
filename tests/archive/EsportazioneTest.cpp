#include <algorithm>
#include <cstdint>

#include "archive/Esportazione.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// Wheel r (1..11) of every draw holds 5r-4 .. 5r, plus `spinta` so that draws differ.
std::string testoRuota(int ruota, int spinta) {
    CinqueNumeri n{};
    for (int p = 0; p < NumPosizioni; ++p) n[p] = static_cast<std::int16_t>((ruota - 1) * 5 + p + 1 + spinta);
    return scriviTestoRuota(n);
}

RigaArchivio riga(const std::string& data, int spinta, bool nazionale) {
    RigaArchivio r;
    r.data = data;
    for (int k = 1; k <= NumRuote; ++k) r.ruote[k - 1] = k < NumRuote || nazionale ? testoRuota(k, spinta) : "";
    return r;
}

ArchivioEstrazioni carica(const std::vector<RigaArchivio>& righe) {
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    return a;
}

// Four draws: the Nazionale only on the second and the fourth.
ArchivioEstrazioni quattroEstrazioni() {
    return carica({riga("28/02/1998", 0, false), riga("05/03/1998", 1, true), riga("07/03/1998", 2, false),
                   riga("10/03/1998", 30, true)});
}

int intero16(const std::string& s, std::size_t posizione) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(s[posizione]) |
                                     static_cast<unsigned char>(s[posizione + 1]) << 8);
}

std::vector<std::string> righe(const std::string& testo) {
    std::vector<std::string> elenco;
    for (std::size_t inizio = 0; inizio < testo.size();) {
        const auto fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) break;
        elenco.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    return elenco;
}

// The fifty numbers of Bari..Venezia of a draw of testoRuota, as the formats write them.
std::string cinquantaNumeri(int spinta) {
    std::string s;
    for (int n = 1; n <= 50; ++n) {
        const int v = n + spinta;
        s += static_cast<char>('0' + v / 10);
        s += static_cast<char>('0' + v % 10);
    }
    return s;
}

}  // namespace

TEST(Esportazione, RecordDatiIII) {
    const ArchivioEstrazioni a = quattroEstrazioni();
    const std::string file = esportaDatiIII(a);
    ASSERT_EQ(file.size(), 4 * LunghezzaRecordDatiIII);
    const std::size_t r = LunghezzaRecordDatiIII;  // record 2: 05/03/1998
    EXPECT_EQ(intero16(file, r), 5);
    EXPECT_EQ(intero16(file, r + 2), 3);
    EXPECT_EQ(intero16(file, r + 4), 98);
    EXPECT_EQ(file.substr(r + 6, 100), cinquantaNumeri(1));
    EXPECT_EQ(intero16(file, r + 106), 1);  // first of March
    EXPECT_EQ(intero16(file, r + 108), 2);  // second of the year
    EXPECT_EQ(intero16(file, 3 * r), 10);
    EXPECT_EQ(file.substr(3 * r + 6, 2), "31");
    EXPECT_EQ(intero16(file, 3 * r + 106), 3);
}

TEST(Esportazione, RigheZendravoltaENazionale) {
    const ArchivioEstrazioni a = quattroEstrazioni();
    const auto zendravolta = righe(esportaZendravolta(a));
    ASSERT_EQ(zendravolta.size(), 4u);
    EXPECT_EQ(zendravolta[0].substr(1, 100), cinquantaNumeri(0));
    EXPECT_EQ(zendravolta[0].substr(101), "9802280101\"");
    EXPECT_EQ(zendravolta[1].front(), '"');
    EXPECT_EQ(zendravolta[1].substr(1, 100), cinquantaNumeri(1));
    EXPECT_EQ(zendravolta[1].substr(101), "9803050102\"");
    EXPECT_EQ(zendravolta[3].substr(101, 10), "9803100304");

    // Only the draws with a Nazionale, numbered as in the archive.
    EXPECT_EQ(esportaNazionale(a), "00002-5253545556\r\n00004-8182838485\r\n");
}

TEST(Esportazione, IlCentesimoDellAnnoAllungaLaRigaEAvanzaOgniDieci) {
    std::vector<RigaArchivio> anno;
    Data d{1998, 1, 1};
    for (int i = 0; i < 101; ++i, d = Data::daGiorniDaEpoca(d.giorniDaEpoca() + 3))
        anno.push_back(riga(d.testo(), i % 30, false));
    const ArchivioEstrazioni a = carica(anno);
    std::vector<int> avanzamenti;
    const auto linee = righe(esportaZendravolta(a, [&](int i, int n) {
        EXPECT_EQ(n, 101);
        avanzamenti.push_back(i);
    }));
    ASSERT_EQ(linee.size(), 101u);
    // 22/10/1998 and 25/10/1998, the eighth and ninth draws of October.
    EXPECT_EQ(linee[98].substr(101), "9810220899\"");
    EXPECT_EQ(linee[99].substr(101), "98102509100\"");
    EXPECT_EQ(linee[99].size(), linee[98].size() + 1);
    EXPECT_EQ(avanzamenti, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    // Nothing of the Nazionale: none was drawn.
    EXPECT_EQ(esportaNazionale(a), "");
}

TEST(Esportazione, ArchivioReale) {
    RICHIEDE_STORICO();
    const ArchivioEstrazioni& a = test::archivioReale();
    const std::string dati = esportaDatiIII(a);
    ASSERT_EQ(dati.size(), static_cast<std::size_t>(a.NumEstrazioni()) * LunghezzaRecordDatiIII);
    for (int e = 1; e <= a.NumEstrazioni(); ++e) {
        const std::size_t r = (e - 1) * LunghezzaRecordDatiIII;
        const Data& d = a.DataEstrazione(e);
        ASSERT_EQ(intero16(dati, r), d.giorno) << e;
        ASSERT_EQ(intero16(dati, r + 4), d.anno % 100) << e;
        ASSERT_EQ(intero16(dati, r + 108), a.ProgAnno(e)) << e;
    }
    EXPECT_EQ(righe(esportaZendravolta(a)).size(), static_cast<std::size_t>(a.NumEstrazioni()));

    // The Nazionale starts in 2005, well after draw 1.
    const auto nazionale = righe(esportaNazionale(a));
    int conNazionale = 0, prima = 0;
    for (int e = a.NumEstrazioni(); e >= 1; --e)
        if (a.Estratti(e, NumRuote, 1) >= 1) ++conNazionale, prima = e;
    ASSERT_EQ(nazionale.size(), static_cast<std::size_t>(conNazionale));
    EXPECT_EQ(a.DataEstrazione(prima).anno, 2005);
    EXPECT_EQ(std::stoi(nazionale.front().substr(0, 5)), prima);
    EXPECT_TRUE(std::all_of(nazionale.begin(), nazionale.end(), [](const std::string& l) { return l.size() == 16; }));
}
