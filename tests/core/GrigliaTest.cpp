#include <gtest/gtest.h>

#include "core/Griglia.h"
#include "core/GrigliaTesto.h"

using namespace quorvane;

namespace {

// Header "N|Val|Testo" and one row per triple; column 0 holds the row's original position.
Griglia grigliaDi(std::initializer_list<std::pair<const char*, const char*>> righe) {
    Griglia g("fgpa");
    g.impostaIntestazione("N|Val|Testo");
    int r = 1;
    for (const auto& [val, testo] : righe) {
        g.aggiungiRiga(std::to_string(r) + '\t' + val + '\t' + testo);
        ++r;
    }
    return g;
}

std::vector<std::string> colonna(const Griglia& g, int c) {
    std::vector<std::string> v;
    for (int r = g.righeFisse(); r < g.righe(); ++r) v.push_back(g.testo(r, c));
    return v;
}

}  // namespace

TEST(Griglia, ValoreNumericoLeggeIlNumeroInTesta) {
    EXPECT_EQ(valoreNumerico(""), 0);
    EXPECT_EQ(valoreNumerico("abc"), 0);
    EXPECT_EQ(valoreNumerico("42"), 42);
    EXPECT_EQ(valoreNumerico("  \t07"), 7);
    EXPECT_EQ(valoreNumerico("-12"), -12);
    EXPECT_EQ(valoreNumerico("+3"), 3);
    EXPECT_DOUBLE_EQ(valoreNumerico("3.25 euro"), 3.25);
    EXPECT_DOUBLE_EQ(valoreNumerico(".5"), 0.5);
    EXPECT_EQ(valoreNumerico("3,5"), 3);
    EXPECT_EQ(valoreNumerico("05-12-33"), 5);
    EXPECT_EQ(valoreNumerico("-"), 0);
    EXPECT_EQ(valoreNumerico("1.2.3"), 1.2);
    EXPECT_EQ(valoreNumerico("x12"), 0);

    Griglia g("g", 2, 2);
    g.impostaTesto(1, 1, " 90*");
    EXPECT_EQ(g.valore(1, 1), 90);
    EXPECT_EQ(g.valore(1, 0), 0);
}

TEST(Griglia, RigheEColonneCresconoETroncano) {
    Griglia g("g", 3, 2);
    EXPECT_EQ(g.righe(), 3);
    EXPECT_EQ(g.colonne(), 2);
    g.impostaTesto(0, 1, "Intestazione");
    g.impostaTesto(2, 1, "x");
    g.impostaSfondo(2, 1, 0x00FF00);
    g.nascondiRiga(2);

    g.impostaRighe(5);
    EXPECT_EQ(g.testo(2, 1), "x");
    EXPECT_EQ(g.testo(4, 1), "");
    EXPECT_FALSE(g.rigaNascosta(4));

    // Refill as windows do it: header only, then the new size; old data rows come back empty.
    g.impostaRighe(1);
    g.impostaRighe(4);
    EXPECT_EQ(g.testo(0, 1), "Intestazione");
    EXPECT_EQ(g.testo(2, 1), "");
    EXPECT_FALSE(g.sfondo(2, 1).has_value());
    EXPECT_FALSE(g.rigaNascosta(2));

    // Column changes keep every surviving cell in its place.
    g.impostaTesto(3, 0, "a");
    g.impostaTesto(3, 1, "b");
    g.impostaColonne(4);
    EXPECT_EQ(g.testo(3, 0), "a");
    EXPECT_EQ(g.testo(3, 1), "b");
    EXPECT_EQ(g.testo(3, 3), "");
    g.impostaTesto(3, 3, "d");
    g.impostaColonne(1);
    EXPECT_EQ(g.colonne(), 1);
    EXPECT_EQ(g.testo(3, 0), "a");
    g.impostaColonne(4);
    EXPECT_EQ(g.testo(3, 3), "");
}

TEST(Griglia, PosizioniRestanoDentroLaGriglia) {
    Griglia g("g", 100, 3);
    g.impostaRigaCorrente(80);
    g.impostaColonnaCorrente(2);
    g.impostaPrimaRigaMostrata(60);
    g.impostaRighe(1);
    EXPECT_EQ(g.rigaCorrente(), 0);
    EXPECT_EQ(g.primaRigaMostrata(), 1);
    g.impostaColonne(2);
    EXPECT_EQ(g.colonnaCorrente(), 1);
}

TEST(Griglia, IntestazioneERigheAggiunteORimosse) {
    Griglia g("FgV", 3, 9);
    g.impostaIntestazione("Ruota|  Estratti  ||Colpi");
    ASSERT_EQ(g.colonne(), 4);
    EXPECT_EQ(g.righe(), 3);
    EXPECT_EQ(g.testo(0, 1), "  Estratti  ");
    EXPECT_EQ(g.testo(0, 2), "");
    EXPECT_EQ(g.testo(0, 3), "Colpi");

    const int r = g.aggiungiRiga("BA\t05\t\t3\tin eccesso");
    EXPECT_EQ(r, 3);
    EXPECT_EQ(g.testo(3, 0), "BA");
    EXPECT_EQ(g.testo(3, 1), "05");
    EXPECT_EQ(g.testo(3, 3), "3");

    g.impostaTesto(1, 0, "uno");
    g.nascondiRiga(2);
    g.rimuoviRiga(1);
    EXPECT_EQ(g.righe(), 3);
    EXPECT_TRUE(g.rigaNascosta(1));
    EXPECT_EQ(g.testo(2, 0), "BA");
    g.rimuoviRiga(7);  // out of range: nothing happens
    EXPECT_EQ(g.righe(), 3);
}

TEST(Griglia, ProprietaDiIntervalloSiRileggono) {
    Griglia g("g", 5, 5);
    // Corners given bottom-right first: the same rectangle.
    g.impostaSfondo(3, 3, 1, 2, rgb(255, 0, 0));
    g.impostaColore(1, 2, 3, 3, 0xFF0000);
    g.impostaGrassetto(3, 2, 1, 3, true);
    g.impostaTesto(1, 3, 2, 2, "x");
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            const bool dentro = r >= 1 && r <= 3 && c >= 2 && c <= 3;
            EXPECT_EQ(g.sfondo(r, c).has_value(), dentro) << r << "," << c;
            EXPECT_EQ(g.grassetto(r, c), dentro);
            EXPECT_EQ(g.testo(r, c), (dentro && r <= 2) ? "x" : "");
        }
    EXPECT_EQ(*g.sfondo(2, 2), 0x0000FF);
    EXPECT_EQ(*g.colore(2, 2), 0xFF0000);

    g.impostaSfondo(1, 2, 1, 2, std::nullopt);
    EXPECT_FALSE(g.sfondo(1, 2).has_value());
    EXPECT_TRUE(g.sfondo(1, 3).has_value());

    // A rectangle partly outside the grid is clipped rather than overrunning.
    g.impostaGrassetto(4, 4, 9, 9, true);
    EXPECT_TRUE(g.grassetto(4, 4));

    g.impostaAllineamentoColonna(1, Allineamento::Destra);
    g.impostaAllineamento(2, 1, 2, 1, Allineamento::Centro);
    EXPECT_EQ(g.allineamento(1, 1), Allineamento::Destra);
    EXPECT_EQ(g.allineamento(2, 1), Allineamento::Centro);
    EXPECT_EQ(g.allineamento(2, 0), Allineamento::Sinistra);
    g.impostaAllineamento(2, 1, 2, 1, std::nullopt);
    EXPECT_EQ(g.allineamento(2, 1), Allineamento::Destra);
}

TEST(Griglia, ElencoDiModifica) {
    Griglia g("g", 2, 3);
    EXPECT_TRUE(g.valoriElenco(1).empty());
    EXPECT_FALSE(g.elencoLibero(1));
    g.impostaElencoModifica(1, "|1|2|3|4|5");
    EXPECT_EQ(g.valoriElenco(1), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_TRUE(g.elencoLibero(1));
    g.impostaElencoModifica(2, "Ambo|Terno");
    EXPECT_EQ(g.valoriElenco(2), (std::vector<std::string>{"Ambo", "Terno"}));
    EXPECT_FALSE(g.elencoLibero(2));
}

TEST(Griglia, OrdinamentoNumericoStabileMuoveRigheIntere) {
    auto g = grigliaDi({{"5", "a"}, {"10", "b"}, {"5", "c"}, {"", "d"}, {"10", "e"}, {"7x", "f"}});
    g.impostaSfondo(2, 0, 2, 2, 0x00FFFF);  // the row "10 b"
    g.impostaGrassetto(6, 2, true);         // "7x f"
    g.nascondiRiga(3);                      // "5 c"

    g.ordina(1, Ordine::NumericoDiscendente);
    EXPECT_EQ(colonna(g, 2), (std::vector<std::string>{"b", "e", "f", "a", "c", "d"}));
    EXPECT_EQ(g.testo(0, 2), "Testo");
    EXPECT_EQ(g.sfondo(1, 1), 0x00FFFF);
    EXPECT_FALSE(g.sfondo(2, 1).has_value());
    EXPECT_TRUE(g.grassetto(3, 2));
    EXPECT_TRUE(g.rigaNascosta(5));
    EXPECT_FALSE(g.rigaNascosta(3));

    g.ordina(1, Ordine::NumericoAscendente);
    EXPECT_EQ(colonna(g, 2), (std::vector<std::string>{"d", "a", "c", "f", "b", "e"}));
    EXPECT_TRUE(g.rigaNascosta(3));
    EXPECT_EQ(g.sfondo(5, 0), 0x00FFFF);
}

TEST(Griglia, OrdinamentoTestualeStabile) {
    auto g = grigliaDi({{"1", "b"}, {"2", "B"}, {"3", "a"}, {"4", "b"}, {"5", "10"}, {"6", "9"}});
    g.nascondiRiga(4);
    g.ordina(2, Ordine::TestoAscendente);
    // Byte order: digits, then capitals, then small letters; "10" before "9" as text.
    EXPECT_EQ(colonna(g, 2), (std::vector<std::string>{"10", "9", "B", "a", "b", "b"}));
    EXPECT_EQ(colonna(g, 1), (std::vector<std::string>{"5", "6", "2", "3", "1", "4"}));
    EXPECT_TRUE(g.rigaNascosta(6));
    EXPECT_FALSE(g.rigaNascosta(5));
}

TEST(Griglia, OrdinamentoLasciaStareLeRigheFisse) {
    auto g = grigliaDi({{"1", "x"}, {"3", "y"}, {"2", "z"}});
    g.impostaRigheFisse(2);
    g.ordina(1, Ordine::NumericoDiscendente);
    EXPECT_EQ(g.testo(1, 2), "x");
    EXPECT_EQ(g.testo(2, 2), "y");
    EXPECT_EQ(g.testo(3, 2), "z");
}

TEST(Griglia, TestoDiIntervalloPerGliAppunti) {
    auto g = grigliaDi({{"5", "a"}, {"6", "b"}});
    EXPECT_EQ(g.testoIntervallo(1, 1, 2, 2), "5\ta\r6\tb");
    EXPECT_EQ(g.testoIntervallo(2, 2, 1, 1), "5\ta\r6\tb");
    EXPECT_EQ(g.testoIntervallo(0, 2, 0, 2), "Testo");
    g.nascondiRiga(1);
    g.nascondiColonna(0);
    // Hidden parts are still copied: "Copia tabella" gives the whole grid.
    EXPECT_EQ(g.testoTabella(), "N\tVal\tTesto\r1\t5\ta\r2\t6\tb");
}

// A grid refilled after shrinking keeps no stale cell; a numeric sort orders by value, not text.
TEST(Griglia, RiempimentoRipetutoEOrdinamentoDiDiecimilaRighe) {
    Griglia g("grande");
    g.impostaIntestazione("A|B|C|D|E|F|G|H|I|J|K|L");
    for (int giro = 0; giro < 2; ++giro) {
        g.impostaRighe(1);
        g.riserva(10001);
        g.impostaRighe(10001);
        for (int r = 1; r <= 10000; ++r)
            for (int c = 0; c < 12; ++c) g.impostaTesto(r, c, std::to_string(r * 12 + c));
    }
    EXPECT_EQ(g.testo(10000, 11), std::to_string(10000 * 12 + 11));
    g.ordina(3, Ordine::NumericoDiscendente);
    EXPECT_EQ(g.testo(1, 3), std::to_string(10000 * 12 + 3));
    EXPECT_EQ(g.testo(10000, 3), std::to_string(12 + 3));
}

// ---------------------------------------------------------------------------------------------

TEST(GrigliaTesto, TsvOmetteRigheEColonneNascoste) {
    auto g = grigliaDi({{"5", " a "}, {"6", "b"}, {"7", "c"}});
    g.impostaTesto(0, 1, "  Val ");
    g.nascondiRiga(2);
    g.nascondiColonna(0);
    EXPECT_EQ(grigliaTsv(g), "Val\tTesto\n5\t a \n7\tc\n");

    Griglia vuota("v");
    vuota.impostaIntestazione("A|B");
    EXPECT_EQ(grigliaTsv(vuota), "A\tB\n");

    // A stored name holding a tab, a line end or a terminal escape keeps the line whole.
    Griglia nomi("n");
    nomi.impostaIntestazione("Nome");
    nomi.impostaTesto(nomi.aggiungiRiga(), 0, "a\tb\nc\x1b[31m");
    EXPECT_EQ(grigliaTsv(nomi), "Nome\na b c [31m\n");
}

TEST(GrigliaTesto, StringaJsonEscapa) {
    EXPECT_EQ(stringaJson("semplice"), "\"semplice\"");
    EXPECT_EQ(stringaJson("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(stringaJson("r1\nr2\tx\r"), "\"r1\\nr2\\tx\\r\"");
    EXPECT_EQ(stringaJson(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
    EXPECT_EQ(stringaJson("perché €"), "\"perché €\"");
    // A Latin-1 byte and a character cut in two by a fixed-position field: still JSON.
    EXPECT_EQ(stringaJson("citt\xE0 \xE2\x82"), "\"citt\ufffd \ufffd\ufffd\"");
}

TEST(GrigliaTesto, JsonConColoriRigheNascosteEChiaviExtra) {
    Griglia g("FgV");
    g.impostaIntestazione(" Ruota |Nasc|Esito");
    g.aggiungiRiga("BA\tz\tA\"mbo");
    g.aggiungiRiga("CA\tz\tx");
    g.impostaSfondo(1, 2, rgb(0, 255, 0));
    g.impostaColore(1, 0, 0x0000FF);
    g.impostaGrassetto(1, 2, true);
    g.nascondiRiga(2);
    g.nascondiColonna(1);

    const std::string atteso =
        "{\"tabella\":\"estrazioni_modello\",\"griglia\":\"FgV\","
        "\"intestazione\":[\"Ruota\",\"Esito\"],\"colonne_nascoste\":[1],"
        "\"righe\":["
        "{\"nascosta\":false,\"celle\":["
        "{\"testo\":\"BA\",\"sfondo\":null,\"colore\":255,\"grassetto\":false},"
        "{\"testo\":\"A\\\"mbo\",\"sfondo\":65280,\"colore\":null,\"grassetto\":true}]},"
        "{\"nascosta\":true,\"celle\":["
        "{\"testo\":\"CA\",\"sfondo\":null,\"colore\":null,\"grassetto\":false},"
        "{\"testo\":\"x\",\"sfondo\":null,\"colore\":null,\"grassetto\":false}]}],"
        "\"Coperti\":\"3\",\"Scoperti\":7}";
    EXPECT_EQ(grigliaJson(g, "estrazioni_modello", {{"Coperti", std::string("3")}, {"Scoperti", 7LL}}), atteso);

    Griglia vuota("vuota");
    EXPECT_EQ(grigliaJson(vuota, "vuota"),
              "{\"tabella\":\"vuota\",\"griglia\":\"vuota\","
              "\"intestazione\":[\"\"],\"colonne_nascoste\":[],\"righe\":[]}");
}
