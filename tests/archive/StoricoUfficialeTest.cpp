#include <algorithm>

#include "archive/StoricoUfficiale.h"
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/ArchivioEstrazioni.h"
#include "core/FileDati.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

std::vector<Estrazione> estrazioni(const EsitoStorico& esito) {
    if (auto* e = std::get_if<ErroreStorico>(&esito)) {
        ADD_FAILURE() << "lettura fallita: " << e->messaggio;
        return {};
    }
    return std::get<std::vector<Estrazione>>(esito);
}

ErroreStorico errore(const EsitoStorico& esito) {
    if (!std::holds_alternative<ErroreStorico>(esito)) {
        ADD_FAILURE() << "attesa una riga errata, letto tutto";
        return {-1, ""};
    }
    return std::get<ErroreStorico>(esito);
}

constexpr CinqueNumeri Vuota{};

// Two dates out of order, the second date split around the first, Roma and Nazionale in the
// file's codes and in the program's.
const std::string FileManuale =
    "2005/05/07\tBA\t1\t2\t3\t4\t5\n"
    "2005/05/04\tRM\t10\t20\t30\t40\t50\n"
    "2005/05/04\tRN\t90\t89\t88\t87\t86\n"
    "2005/05/07\tRO\t11\t22\t33\t44\t55\n"
    "2005/05/04\tBA\t7\t17\t27\t37\t47\n"
    "2005/05/07\tnz\t6\t16\t26\t36\t46\n";

}  // namespace

TEST(StoricoUfficiale, RaggruppaPerDataEOrdina) {
    auto lette = estrazioni(leggiStoricoTesto(FileManuale));
    ASSERT_EQ(lette.size(), 2u);

    EXPECT_EQ(lette[0].data.testo(), "04/05/2005");
    EXPECT_EQ(lette[0].ruote[0], (CinqueNumeri{7, 17, 27, 37, 47}));
    EXPECT_EQ(lette[0].ruote[7], (CinqueNumeri{10, 20, 30, 40, 50}));   // RM is Roma
    EXPECT_EQ(lette[0].ruote[10], (CinqueNumeri{90, 89, 88, 87, 86}));  // RN is Nazionale
    for (int r : {1, 2, 3, 4, 5, 6, 8, 9}) EXPECT_EQ(lette[0].ruote[r], Vuota) << "ruota " << r + 1;

    EXPECT_EQ(lette[1].data.testo(), "07/05/2005");
    EXPECT_EQ(lette[1].ruote[0], (CinqueNumeri{1, 2, 3, 4, 5}));
    EXPECT_EQ(lette[1].ruote[7], (CinqueNumeri{11, 22, 33, 44, 55}));
    EXPECT_EQ(lette[1].ruote[10], (CinqueNumeri{6, 16, 26, 36, 46}));
    EXPECT_EQ(lette[1].ruote[1], Vuota);
}

TEST(StoricoUfficiale, ToleraBomCrlfSpaziERigheVuote) {
    const std::string sporco =
        "\xEF\xBB\xBF"
        "2005/05/07\tBA\t1\t2\t3\t4\t5 \r\n"
        "\r\n"
        "2005/05/04\tRM\t10\t20\t30\t40\t50\t\r\n"
        "   \n"
        "2005/05/04  RN  90 89 88 87 86\r\n"  // blanks instead of tabs, as an editor may leave
        "2005/05/07\tRO\t11\t22\t33\t44\t55\r\n"
        "2005/05/04\tBA\t07\t17\t27\t37\t47\r\n"
        "2005/05/07\tNZ\t6\t16\t26\t36\t46\n";
    auto pulite = estrazioni(leggiStoricoTesto(FileManuale));
    auto lette = estrazioni(leggiStoricoTesto(sporco));
    ASSERT_EQ(lette.size(), pulite.size());
    for (std::size_t i = 0; i < lette.size(); ++i) {
        EXPECT_EQ(lette[i].data, pulite[i].data);
        EXPECT_EQ(lette[i].ruote, pulite[i].ruote);
    }
}

TEST(StoricoUfficiale, RigaErrataFermaLaLetturaConNumeroEMotivo) {
    struct Caso {
        std::string riga;
        std::string motivo;
    };
    const Caso casi[] = {
        {"1939/13/07\tBA\t1\t2\t3\t4\t5", "data non valida \"1939/13/07\""},
        {"1939/02/29\tBA\t1\t2\t3\t4\t5", "data non valida \"1939/02/29\""},
        {"07/01/1939\tBA\t1\t2\t3\t4\t5", "data non valida \"07/01/1939\""},
        {"1939/01/07", "manca la sigla della ruota"},
        {"1939/01/07\tXX\t1\t2\t3\t4\t5", "ruota sconosciuta \"XX\""},
        {"1939/01/07\tTU\t1\t2\t3\t4\t5", "ruota sconosciuta \"TU\""},
        {"1939/01/07\tBA\t1\t2\t3\t4", "attesi 5 numeri, trovati 4"},
        {"1939/01/07\tBA\t1\t2\t3\t4\t5\t6", "attesi 5 numeri, trovati 6"},
        {"1939/01/07\tBA\t1\t2\t91\t4\t5", "numero non valido \"91\" sulla ruota BA (deve essere un intero da 1 a 90)"},
        {"1939/01/07\tBA\t0\t2\t3\t4\t5", "numero non valido \"0\""},
        {"1939/01/07\tBA\t1\t2\t3\t4\t5a", "numero non valido \"5a\""},
        {"1939/01/07\tBA\t1\t-2\t3\t4\t5", "numero non valido \"-2\""},
        {"1939/01/07\tRM\t1\t2\t3\t2\t5", "numero 2 ripetuto sulla ruota RM"},
        {"1939/01/07\tFI\t1\t2\t3\t4\t5", "ruota FI del 07/01/1939 già presente alla riga 2"},
        // RM and RO are the same wheel
        {"1939/01/07\tRO\t1\t2\t3\t4\t5", "ruota RO del 07/01/1939 già presente alla riga 3"},
    };
    // Line 1 is empty: it still counts, as an editor numbers it.
    const std::string inizio =
        "\xEF\xBB\xBF\r\n"
        "1939/01/07\tFI\t27\t57\t81\t43\t61\r\n"
        "1939/01/07\tRM\t11\t12\t13\t14\t15\r\n";
    for (const auto& c : casi) {
        auto e = errore(leggiStoricoTesto(inizio + c.riga + "\r\n1939/01/14\tBA\t1\t2\t3\t4\t5\r\n"));
        EXPECT_EQ(e.riga, 4) << c.riga;
        const std::string atteso = "Riga 4: " + c.motivo;
        EXPECT_EQ(e.messaggio.substr(0, atteso.size()), atteso) << c.riga;
    }
}

TEST(StoricoUfficiale, SoloFileNormaliDiDimensioneLimitata) {
    test::CartellaTemporanea cartella;
    test::scriviFile(cartella / "storico.txt", FileManuale);
    auto daFile = estrazioni(leggiStoricoFile(cartella / "storico.txt"));
    auto daTesto = estrazioni(leggiStoricoTesto(FileManuale));
    ASSERT_EQ(daFile.size(), 2u);
    EXPECT_EQ(daFile[1].ruote, daTesto[1].ruote);

    auto mancante = errore(leggiStoricoFile(cartella / "non-esiste.txt"));
    EXPECT_EQ(mancante.riga, 0);
    EXPECT_NE(mancante.messaggio.find("non-esiste.txt\" non esiste"), std::string::npos);

    // A folder and, where the system has them, a device that never ends and a FIFO nobody
    // writes: refused before any read.
    std::vector<std::filesystem::path> speciali = {cartella.percorso()};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((cartella / "fifo").c_str(), 0600), 0);
    speciali.insert(speciali.end(), {"/dev/zero", cartella / "fifo"});
#endif
    for (const auto& speciale : speciali)
        EXPECT_NE(errore(leggiStoricoFile(speciale)).messaggio.find("non è un file normale"), std::string::npos)
            << speciale;
    std::filesystem::resize_file(cartella / "storico.txt", MassimoFileDati + 1);
    EXPECT_NE(errore(leggiStoricoFile(cartella / "storico.txt")).messaggio.find("troppo grande"), std::string::npos);

    test::scriviFile(cartella / "vuoto.txt", "\xEF\xBB\xBF\r\n\r\n");
    auto vuoto = errore(leggiStoricoFile(cartella / "vuoto.txt"));
    EXPECT_EQ(vuoto.riga, 0);
    EXPECT_EQ(vuoto.messaggio, "Il file non contiene estrazioni.");
}

TEST(StoricoUfficiale, FileInterrottoNellUltimaDataRifiutato) {
    // Two whole draws of eleven wheels, as the official file gives them.
    std::string intero;
    for (const char* data : {"2023/01/03", "2023/01/05"})
        for (const char* sigla : {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE", "RN"})
            intero += std::string(data) + '\t' + sigla + "\t1\t2\t3\t4\t5\n";
    EXPECT_EQ(estrazioni(leggiStoricoTesto(intero)).size(), 2u);
    const std::string tagliato = intero.substr(0, intero.rfind("2023/01/05\tPA"));
    const auto e = errore(leggiStoricoTesto(tagliato));
    EXPECT_NE(e.messaggio.find("l'estrazione del 05/01/2023, l'ultima del file, ha ruote 6 contro 11 della precedente"),
              std::string::npos)
        << e.messaggio;
}

TEST(StoricoUfficiale, FileTagliatoNellUltimoNumeroRifiutato) {
    // "...\t37\n" cut by two bytes ends in "\t3": a number still, so only the missing line end tells.
    const std::string intero = "2023/01/03\tBA\t10\t20\t30\t40\t37\n2023/01/03\tCA\t10\t20\t30\t40\t37\n";
    const auto e = errore(leggiStoricoTesto(intero.substr(0, intero.size() - 2)));
    EXPECT_EQ(e.riga, 2);
    EXPECT_NE(e.messaggio.find("l'ultima riga, la 2, non finisce con un a capo"), std::string::npos) << e.messaggio;
    EXPECT_EQ(estrazioni(leggiStoricoTesto(intero + "  \r\n")).size(), 1u);
}

TEST(StoricoUfficiale, SigleDelFileEDelProgramma) {
    EXPECT_EQ(ruotaDaSiglaStorico("RM"), 8);
    EXPECT_EQ(ruotaDaSiglaStorico("RO"), 8);
    EXPECT_EQ(ruotaDaSiglaStorico("RN"), 11);
    EXPECT_EQ(ruotaDaSiglaStorico("NZ"), 11);
    EXPECT_EQ(ruotaDaSiglaStorico("ve"), 10);
    EXPECT_EQ(ruotaDaSiglaStorico("TU"), std::nullopt);
    EXPECT_EQ(ruotaDaSiglaStorico("B"), std::nullopt);
    EXPECT_EQ(ruotaDaSiglaStorico("BAR"), std::nullopt);
}

// The stored text form the archive is loaded from.
TEST(TestoRuota, ScritturaELetturaAPosizioniFisse) {
    const CinqueNumeri numeri{5, 12, 33, 47, 90};
    EXPECT_EQ(scriviTestoRuota(numeri), "05-12-33-47-90");
    EXPECT_EQ(leggiTestoRuota(scriviTestoRuota(numeri)), numeri);
    EXPECT_EQ(scriviTestoRuota(Vuota), "");
    EXPECT_EQ(leggiTestoRuota(""), Vuota);
    EXPECT_EQ(leggiTestoRuota(" 5-12-33-47- 9"), (CinqueNumeri{5, 12, 33, 47, 9}));
    // Unpadded numbers fall off the fixed offsets: the reading is what it is, not a repair.
    EXPECT_EQ(leggiTestoRuota("1-2-3-4-5"), (CinqueNumeri{1, 0, 4, 0, 0}));

    Estrazione e{Data{1939, 1, 7}, {}};
    e.ruote[0] = {58, 22, 47, 49, 69};
    auto riga = e.riga();
    EXPECT_EQ(riga.data, "07/01/1939");
    EXPECT_EQ(riga.ruote[0], "58-22-47-49-69");
    EXPECT_EQ(riga.ruote[10], "");
}

namespace {

// The real archive is read once for all the tests that need it.
class StoricoReale : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (test::percorsoStorico().empty()) return;
        esito_ = new EsitoStorico(leggiStoricoFile(test::percorsoStorico()));
    }
    static void TearDownTestSuite() {
        delete esito_;
        esito_ = nullptr;
    }
    void SetUp() override {
        RICHIEDE_STORICO();
        draws_ = estrazioni(*esito_);
        ASSERT_EQ(draws_.size(), 7370u);
    }
    static EsitoStorico* esito_;
    std::vector<Estrazione> draws_;
};
EsitoStorico* StoricoReale::esito_ = nullptr;

}  // namespace

TEST_F(StoricoReale, DatePrimaEUltimaRiga) {
    EXPECT_EQ(draws_.front().data.testo(), "07/01/1939");
    EXPECT_EQ(draws_.back().data.testo(), "21/08/2026");
    // 1939/01/07 BA 58 22 47 49 69, the first line of the file
    EXPECT_EQ(draws_.front().ruote[0], (CinqueNumeri{58, 22, 47, 49, 69}));
    EXPECT_EQ(draws_.back().ruote[9], (CinqueNumeri{81, 7, 27, 51, 46}));
    EXPECT_EQ(draws_.back().ruote[10], (CinqueNumeri{51, 89, 82, 70, 37}));
    for (std::size_t i = 1; i < draws_.size(); ++i)
        ASSERT_LT(draws_[i - 1].data, draws_[i].data) << draws_[i].data.testo();
}

TEST_F(StoricoReale, OgniRigaInUnaRuotaEStoriaVisibile) {
    int ruoteEstratte = 0;
    for (const auto& e : draws_) {
        for (const auto& r : e.ruote) ruoteEstratte += r != Vuota;
        const bool conNazionale = e.data >= Data{2005, 5, 4};
        EXPECT_EQ(e.ruote[10] != Vuota, conNazionale) << e.data.testo();
    }
    EXPECT_EQ(ruoteEstratte, 76945);  // the lines of the file

    // Napoli alone on 1 May 1948
    auto napoli = std::find_if(draws_.begin(), draws_.end(), [](const Estrazione& e) {
        return e.data == Data{1948, 5, 1};
    });
    ASSERT_NE(napoli, draws_.end());
    for (int r = 0; r < NumRuote; ++r) EXPECT_EQ(napoli->ruote[r] != Vuota, r == 5) << "ruota " << r + 1;
}

TEST_F(StoricoReale, CaricatoNellArchivioInMemoria) {
    std::vector<RigaArchivio> righe;
    righe.reserve(draws_.size());
    for (const auto& e : draws_) righe.push_back(e.riga());
    ArchivioEstrazioni archivio;
    ASSERT_EQ(archivio.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    ASSERT_EQ(archivio.NumEstrazioni(), 7370);
    EXPECT_EQ(archivio.DateEstrazioni(1), "07/01/1939");
    EXPECT_EQ(archivio.DateEstrazioni(7370), "21/08/2026");
    int diverse = 0;
    for (int i = 1; i <= archivio.NumEstrazioni(); ++i)
        for (int r = 1; r <= NumRuote; ++r)
            for (int k = 1; k <= NumPosizioni; ++k)
                diverse += archivio.Estratti(i, r, k) != draws_[i - 1].ruote[r - 1][k - 1];
    EXPECT_EQ(diverse, 0);
}
