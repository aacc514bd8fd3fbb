#include <gtest/gtest.h>

#include "index/ConfrontoStorico.h"
#include "metodo/FileMetodo.h"
#include "metodo/MetodoLua.h"
#include "support/ArchivioProva.h"

using namespace quorvane;

namespace {

std::shared_ptr<MetodoLua> esempio(const std::string& nome) {
    const FileMetodo file = leggiFileMetodo(std::string(QUORVANE_RISORSE) + "/metodi/" + nome);
    EXPECT_EQ(file.errore, "");
    return std::make_shared<MetodoLua>(file.testo);
}

// The last twenty years on the wheels given, the first of them read.
OpzioniStoriche venti(Strategia s, const std::array<bool, NumRuote>& ruote, int letta) {
    OpzioniStoriche o;
    o.analisi.ruoteInGioco = ruote;
    o = periodoPredefinito(o, test::archivioReale());
    o.strategia = s;
    o.ruotaLetta = letta;
    return o;
}

void stesseGiocate(const EsitoStorico& a, const EsitoStorico& b) {
    ASSERT_EQ(a.giocate.size(), b.giocate.size());
    ASSERT_FALSE(a.giocate.empty());
    for (std::size_t i = 0; i < a.giocate.size(); ++i) {
        EXPECT_EQ(a.giocate[i].punto, b.giocate[i].punto);
        EXPECT_EQ(a.giocate[i].numeri, b.giocate[i].numeri) << "punto " << a.giocate[i].punto;
        EXPECT_EQ(a.giocate[i].sorte, b.giocate[i].sorte);
        EXPECT_EQ(a.giocate[i].colpo, b.giocate[i].colpo);
    }
    EXPECT_EQ(a.riepilogo.vincite, b.riepilogo.vincite);
    EXPECT_EQ(a.riepilogo.p, b.riepilogo.p);
}

}  // namespace

// The examples of the most delayed number and pair and of the most frequent numbers play what
// the built-in strategies play, on the wheel named first (Napoli, before Bari in order).
TEST(EsempiMetodo, UgualiAlleStrategieDelProgramma) {
    if (test::archivioReale().NumEstrazioni() == 0) GTEST_SKIP() << "archivio reale assente";
    const std::array<bool, NumRuote> baNa = {true, false, false, false, false, true};
    struct Caso {
        const char* file;
        Strategia strategia;
    };
    for (const Caso& c :
         {Caso{"ritardatario.lua", Strategia::Ritardatario}, Caso{"ambo-ritardatario.lua", Strategia::AmboRitardatario},
          Caso{"frequenti.lua", Strategia::Frequenti}}) {
        SCOPED_TRACE(c.file);
        OpzioniStoriche programma = venti(c.strategia, baNa, 6);
        programma.quanti = 3;
        programma.finestra = 37;
        OpzioniStoriche metodo = venti(Strategia::Metodo, baNa, 6);
        metodo.metodoProprio = esempio(c.file);
        metodo.parametri = {{"quanti", "3"}, {"finestra", "37"}};
        stesseGiocate(VerificaStorica(metodo, test::archivioReale()),
                      VerificaStorica(programma, test::archivioReale()));
    }
}

// A parameter of a method is searched over as the built-in option of the same name: the same
// table of combinations, the same best and the same test years.
TEST(EsempiMetodo, ConfrontoSuUnParametro) {
    if (test::archivioReale().NumEstrazioni() == 0) GTEST_SKIP() << "archivio reale assente";
    const std::array<bool, NumRuote> bari = {true};
    OpzioniStoriche programma = venti(Strategia::Frequenti, bari, 1);
    OpzioniStoriche metodo = venti(Strategia::Metodo, bari, 1);
    metodo.metodoProprio = esempio("frequenti.lua");
    const std::vector<OpzioneConfronto> confronto = {{"quanti", {1, 2, 3}}, {"finestra", {50, 200}}};
    const int provaDal = programma.dal + (programma.al - programma.dal) / 2;
    ASSERT_EQ(erroreConfronto(metodo, confronto, provaDal, test::archivioReale()), std::nullopt);
    const EsitoConfronto a = confronta(metodo, confronto, provaDal, test::archivioReale());
    const EsitoConfronto b = confronta(programma, confronto, provaDal, test::archivioReale());
    ASSERT_EQ(a.combinazioni.size(), 6u);
    for (std::size_t k = 0; k < a.combinazioni.size(); ++k) {
        EXPECT_EQ(a.combinazioni[k].valori, b.combinazioni[k].valori);
        EXPECT_EQ(a.combinazioni[k].allenamento.p, b.combinazioni[k].allenamento.p);
    }
    EXPECT_EQ(a.migliore, b.migliore);
    EXPECT_EQ(a.prova.vincite, b.prova.vincite);
}

// The other three examples run on every wheel for twenty years and play.
TEST(EsempiMetodo, GliAltriEsempiGiocano) {
    if (test::archivioReale().NumEstrazioni() == 0) GTEST_SKIP() << "archivio reale assente";
    std::array<bool, NumRuote> tutte;
    tutte.fill(true);
    for (const char* file : {"distanza.lua", "spia.lua", "isotopi.lua"}) {
        OpzioniStoriche o = venti(Strategia::Metodo, tutte, 1);
        o.metodoProprio = esempio(file);
        EXPECT_GT(VerificaStorica(o, test::archivioReale()).riepilogo.giocate, 0) << file;
    }
}
