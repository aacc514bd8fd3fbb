#include <algorithm>

#include "archive/ControlloAggiornamento.h"
#include "archive/FileAggiornamento.h"
#include "archive/GrigliaArchivio.h"
#include "archive/SorgenteAggiornamento.h"
#include "core/Colori.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

RigaArchivio riga(const std::string& data, const std::string& bari, const std::string& nazionale = "") {
    RigaArchivio r;
    r.data = data;
    r.ruote.fill("01-02-03-04-05");
    r.ruote[0] = bari;
    r.ruote[NumRuote - 1] = nazionale;
    return r;
}

std::string linea(const RigaArchivio& r) {
    return rigaFileAggiornamento(r);
}

std::vector<RigaAggiornamento> righe(const std::string& testo) {
    return leggiRigheAggiornamento(testo);
}

}  // namespace

TEST(FileAggiornamento, LaPrimaRigaDeveAvere178CaratteriEFinireInPr) {
    const std::string buona = linea(riga("14/01/2023", "10-20-30-40-50", "11-22-33-44-55"));
    ASSERT_EQ(buona.size(), 178u);
    EXPECT_TRUE(primaRigaCorretta(buona));
    EXPECT_FALSE(primaRigaCorretta(buona.substr(1)));              // 177 characters
    EXPECT_FALSE(primaRigaCorretta(buona.substr(0, 176) + "PR"));  // upper case
    EXPECT_TRUE(primaRigaCorretta(buona + " \t"));                 // blanks an editor left after "pr"
    EXPECT_FALSE(primaRigaCorretta(" " + buona));                  // 179, ending in "pr"

    auto esito = righeAggiornamento(buona.substr(1) + "\r\n" + buona + "\r\n");
    ASSERT_TRUE(std::holds_alternative<ErroreSorgente>(esito));
    EXPECT_TRUE(std::get<ErroreSorgente>(esito).formatoErrato);
    EXPECT_EQ(std::get<ErroreSorgente>(esito).messaggio, MessaggioFormatoErrato);

    // Only the first line is tested: a later short line is still cut by position.
    const std::string altra = linea(riga("17/01/2023", "10-20-30-40-50"));
    auto lette = righeAggiornamento(buona + "\r\n" + altra.substr(0, 40) + "\r\n\r\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<RigaAggiornamento>>(lette));
    const auto& r = std::get<std::vector<RigaAggiornamento>>(lette);
    ASSERT_EQ(r.size(), 2u);  // the empty last line is no row
    EXPECT_EQ(r[1].ruote[1], "01-02-03-04-05");
    EXPECT_EQ(r[1].ruote[2], "");
}

// A file is read whole or refused whole: a date on two lines (whatever they hold) or a last
// line cut short would otherwise be checked and written as if the file were right.
TEST(FileAggiornamento, DateRipetuteEFileTagliatoRifiutati) {
    const auto errore = [](const std::string& testo) {
        auto esito = righeAggiornamento(testo);
        return std::holds_alternative<ErroreSorgente>(esito) ? std::get<ErroreSorgente>(esito).messaggio
                                                             : std::string("accettato");
    };
    const std::string a = linea(riga("10/07/2026", "10-20-30-40-50"));
    const std::string b = linea(riga("11/07/2026", "11-21-31-41-51"));
    RigaArchivio prima = riga("10/07/2026", "10-20-30-40-50"), resto = prima;
    for (int k = 0; k < NumRuote; ++k) (k < 3 ? resto : prima).ruote[k].clear();  // BA-FI, then the rest

    EXPECT_NE(errore(a + "\r\n" + b + "\r\n" + linea(riga("10/07/2026", "12-22-32-42-52")) + "\r\n")
                  .find("10/07/2026 alle righe 1 e 3. Nessuna estrazione è stata letta."),
              std::string::npos);
    EXPECT_NE(errore(linea(prima) + "\r\n" + linea(resto) + "\r\n").find("10/07/2026 alle righe 1 e 2"),
              std::string::npos);
    EXPECT_NE(errore(a + "\r\n" + a + "\r\n").find("righe 1 e 2"), std::string::npos);

    // Cut inside the last number: "50" became "5", still a number by position.
    EXPECT_NE(errore(a + "\r\n" + b.substr(0, 24)).find("l'ultima riga, la 2, non finisce con un a capo"),
              std::string::npos);
    EXPECT_NE(errore(a).find("la 1, non finisce"), std::string::npos);

    // A byte order mark and blanks after "pr" are no fault.
    auto lette = righeAggiornamento("\xEF\xBB\xBF" + a + "  \r\n" + b + "\r\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<RigaAggiornamento>>(lette));
    EXPECT_EQ(std::get<std::vector<RigaAggiornamento>>(lette)[0].data, "10/07/2026");
}

TEST(FileAggiornamento, RigheTagliatePerPosizione) {
    const RigaArchivio originale = riga("02/01/2024", "10-20-30-40-50");
    const std::string l = linea(originale);
    auto letta = righe(l + "\r\n" + "   " + l + "\n" + l);  // CR LF, leading blanks, no final end
    ASSERT_EQ(letta.size(), 3u);
    for (const auto& r : letta) {
        EXPECT_EQ(r.data, "02/01/2024");
        EXPECT_EQ(r.ruote[0], "10-20-30-40-50");
        EXPECT_EQ(r.ruote[NumRuote - 1], std::string(14, ' '));  // a wheel not drawn is blank
    }

    // A comma ends the line: the wheels from it on are cut short or empty.
    std::string conVirgola = l;
    conVirgola[11 + 15 * 7 + 1] = ',';
    auto tagliata = tagliaRiga(conVirgola);
    EXPECT_EQ(tagliata.ruote[6], "01-02-03-04-05");
    EXPECT_EQ(tagliata.ruote[7], "0");
    EXPECT_EQ(tagliata.ruote[10], "");
    EXPECT_TRUE(testoRuotaValido(tagliata.ruote[6]));
    EXPECT_FALSE(testoRuotaValido(tagliata.ruote[7]));
    EXPECT_FALSE(testoRuotaValido(tagliata.ruote[10]));
}

TEST(FileAggiornamento, TestiDiRuotaValidi) {
    EXPECT_EQ(testoRuotaValido("05-12-33-47-89"), "05-12-33-47-89");
    EXPECT_EQ(testoRuotaValido(std::string(14, ' ')), "");
    EXPECT_FALSE(testoRuotaValido(""));
    EXPECT_FALSE(testoRuotaValido("05 12 33 47 89"));  // separators other than "-"
    EXPECT_FALSE(testoRuotaValido("05-12-33-47-91"));
    EXPECT_FALSE(testoRuotaValido("05-12-33-47-00"));
    EXPECT_FALSE(testoRuotaValido("05-12-33-12-89"));  // a repeated number
    EXPECT_FALSE(testoRuotaValido("05-12-33-47-8"));   // cut short
    EXPECT_FALSE(testoRuotaValido("5-12-33-47-89 "));

    EXPECT_TRUE(ruotaNonEstratta(""));
    EXPECT_TRUE(ruotaNonEstratta("----"));
    EXPECT_TRUE(ruotaNonEstratta("00-00-00-00-00"));
    EXPECT_FALSE(ruotaNonEstratta("00-00-00-00-01"));
}

TEST(FileAggiornamento, LeDueSorgentiSiRiconosconoDallaPrimaRiga) {
    auto storico = righeSorgente("1948/05/01\tNA\t1\t2\t3\t4\t5\n1948/05/08\tBA\t10\t20\t30\t40\t50\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<RigaAggiornamento>>(storico));
    const auto& s = std::get<std::vector<RigaAggiornamento>>(storico);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].data, "01/05/1948");
    EXPECT_EQ(s[0].ruote[5], "01-02-03-04-05");
    EXPECT_EQ(s[0].ruote[0], std::string(14, ' '));  // Bari not drawn that day

    auto agg = righeSorgente(linea(riga("08/05/1948", "10-20-30-40-50")) + "\r\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<RigaAggiornamento>>(agg));
    EXPECT_EQ(std::get<std::vector<RigaAggiornamento>>(agg)[0].data, "08/05/1948");
}

TEST(ControlloAggiornamento, SegnaMancantiUgualiDiverseEMalformate) {
    const std::vector<RigaArchivio> archivio = {
        riga("03/01/2023", "10-20-30-40-50", "----"),
        riga("05/01/2023", "10-20-30-40-50", "11-22-33-44-55"),
        riga("07/01/2023", "05 12 33 47 89"),
    };
    std::string file;
    file += linea(riga("03/01/2023", "10-20-30-40-50")) + "\r\n";                    // equal: blank Nazionale
    file += linea(riga("05/01/2023", "10-20-30-40-51", "11-22-33-44-55")) + "\r\n";  // Bari differs
    file += linea(riga("10/01/2023", "01-02-03-04-05", "06-07-08-09-10")) + "\r\n";  // missing
    std::string cattiva = linea(riga("07/01/2023", "05-12-33-47-89"));
    cattiva.replace(12 + 15 * 3, 14, "05 12 33 47 89");  // Genova with blanks
    file += cattiva + "\r\n";
    file += linea(riga("31/02/2023", "01-02-03-04-05")).substr(0, 60) + "\r\n";  // truncated, bad date

    const auto r = righe(file);
    ASSERT_EQ(r.size(), 5u);
    std::vector<std::pair<int, int>> passi;
    const auto c = ConfrontoAggiornamento(r, archivio, [&](int i, int n) { passi.emplace_back(i, n); });

    EXPECT_EQ(c.righe[0].stato, StatoRiga::Uguale);
    EXPECT_EQ(c.righe[1].stato, StatoRiga::Diversa);
    EXPECT_FALSE(c.righe[1].ruotaUguale[0]);
    EXPECT_TRUE(c.righe[1].ruotaUguale[1]);
    EXPECT_EQ(c.righe[2].stato, StatoRiga::Mancante);
    EXPECT_EQ(c.righe[3].stato, StatoRiga::Malformata);
    EXPECT_FALSE(c.righe[3].ruotaValida[3]);
    EXPECT_TRUE(c.righe[3].ruotaValida[0]);
    EXPECT_EQ(c.righe[4].stato, StatoRiga::Malformata);
    EXPECT_FALSE(c.righe[4].dataValida);
    EXPECT_EQ(c.errori, 3);  // the missing draw is no error
    // From the last row to the first.
    EXPECT_EQ(c.righeSegnalate, (std::vector<std::string>{
                                    "Riga non valida del 31/02/2023 (data, Genova, Milano, Napoli, "
                                    "Palermo, Roma, Torino, Venezia, Nazionale): non sarà scritta",
                                    "Riga non valida del 07/01/2023 (Genova): non sarà scritta",
                                    "Manca estrazione del: 10/01/2023",
                                    "Errori Estrazione del 05/01/2023",
                                }));
    EXPECT_EQ(passi.front(), std::make_pair(0, 5));
    EXPECT_EQ(passi.back(), std::make_pair(4, 5));

    Griglia fg("FgImporta");
    riempiRigheImportate(fg, r);
    segnaControllo(fg, c);
    EXPECT_EQ(fg.testo(0, 1), "Data    estraz   ");
    EXPECT_EQ(fg.testo(0, 12), "Nazionale");
    EXPECT_EQ(fg.sfondo(3, 1), 8438015);
    EXPECT_EQ(fg.sfondo(1, 2), 8454016);
    EXPECT_EQ(fg.sfondo(1, 12), 8454016);
    EXPECT_EQ(fg.sfondo(2, 2), std::nullopt);  // the differing wheel stays white
    EXPECT_EQ(fg.colore(2, 1), Rosso);
    EXPECT_TRUE(fg.grassetto(2, 1));
    EXPECT_EQ(fg.sfondo(2, 1), std::nullopt);
    EXPECT_EQ(fg.sfondo(4, 5), Rosso);
    EXPECT_EQ(fg.sfondo(4, 1), std::nullopt);
    EXPECT_EQ(fg.sfondo(5, 1), Rosso);

    // What AGGIORNAMENTO writes: the missing draw, and the corrections only when asked.
    auto senza = pianoAggiornamento(r, c, false);
    ASSERT_EQ(senza.size(), 1u);
    EXPECT_TRUE(senza[0].aggiunta);
    EXPECT_EQ(senza[0].data, (Data{2023, 1, 10}));
    auto con = pianoAggiornamento(r, c, true);
    ASSERT_EQ(con.size(), 2u);
    EXPECT_FALSE(con[0].aggiunta);
    EXPECT_EQ(con[0].ruote[0], "10-20-30-40-51");
    EXPECT_EQ(con[0].ruote[10], "11-22-33-44-55");
    EXPECT_EQ(con[1].ruote[10], "06-07-08-09-10");
}

TEST(ControlloAggiornamento, UnFileGiaPresenteNonHaAnomalie) {
    const std::vector<RigaArchivio> archivio = {riga("03/01/2023", "10-20-30-40-50"),
                                                riga("05/01/2023", "11-20-30-40-50")};
    const auto r = righe(linea(archivio[0]) + "\r\n" + linea(archivio[1]) + "\r\n");
    const auto c = ConfrontoAggiornamento(r, archivio);
    EXPECT_EQ(c.righeSegnalate, std::vector<std::string>{"Nessuna anomalia rilevata"});
    Griglia fg("FgImporta");
    riempiRigheImportate(fg, r);
    segnaControllo(fg, c);
    for (int col = 2; col <= 12; ++col) EXPECT_EQ(fg.sfondo(2, col), VerdeMedio);

    // Only new draws: listed from the last, then no anomaly.
    EXPECT_EQ(ConfrontoAggiornamento(r, {}).righeSegnalate,
              (std::vector<std::string>{"Manca estrazione del: 05/01/2023", "Manca estrazione del: 03/01/2023",
                                        "Nessuna anomalia rilevata"}));
}
