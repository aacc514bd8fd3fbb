// Draw entry: the box filter, the clipboard paste and the check of the 55 boxes before a save.
#include "Fuzz.h"
#include "archive/FileAggiornamento.h"
#include "archive/InserimentoEstrazione.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo = fuzz::testo(dati, n);

    const std::string filtrato = filtraCasella(testo);
    fuzz::richiedi(filtraCasella(filtrato) == filtrato, "un testo filtrato resta com'è");
    (void)valoreCasella(formattaCasella(filtrato));

    const CaselleIncollate caselleIncollate = caselleDaAppunti(testo);
    if (caselleIncollate.errore.empty()) {
        fuzz::richiedi(numeriDaAppunti(testo).size() == static_cast<std::size_t>(NumCaselle), "si incollano 55 numeri");
        for (const std::string& c : caselleIncollate.caselle)
            fuzz::richiedi(c.size() == 2 && valoreCasella(c) >= 1 && valoreCasella(c) <= NumeroMassimo,
                           "ogni casella incollata ha un numero da 01 a 90");
    }
    const RuoteInserite incollate = ruoteDaCaselle(caselleIncollate.caselle);

    // The boxes typed one by one: each line of the input is the text of a box, as typed.
    TestiCaselle caselle;
    const auto righe = fuzz::righe(testo);
    for (std::size_t i = 0; i < righe.size() && i < caselle.size(); ++i)
        caselle[i] = formattaCasella(filtraCasella(righe[i]));
    for (const RuoteInserite& r : {incollate, ruoteDaCaselle(caselle)}) {
        if (!r.errore.empty()) continue;
        bool almenoUna = false;
        for (const std::string& ruota : r.ruote) {
            fuzz::richiedi(ruotaNonEstratta(ruota) || scriviTestoRuota(leggiTestoRuota(ruota)) == ruota,
                           "una ruota salvata è \"NN-NN-NN-NN-NN\"");
            almenoUna = almenoUna || !ruotaNonEstratta(ruota);
        }
        fuzz::richiedi(almenoUna, "un'estrazione salvata ha almeno una ruota");
    }
    return 0;
}
