// The command line of the analyses read as quorvane-cli reads it: the options, then the index
// analysis and its forecasts over a small archive. Each line of the input is one argument.
// Whatever the line, the reading ends in options in their ranges or in an error with its
// message and the exit status of bad input or bad usage.
#include "Fuzz.h"
#include "cli/OpzioniIndice.h"
#include "index/TavolaNumeri.h"

using namespace quorvane;
using namespace quorvane::cli;

namespace {

const ArchivioEstrazioni& archivio() {
    static const ArchivioEstrazioni caricato = [] {
        std::vector<RigaArchivio> righe;
        long giorno = Data{2023, 1, 3}.giorniDaEpoca();
        for (int e = 0; e < 60; ++e, giorno += 2) {
            RigaArchivio r;
            r.data = Data::daGiorniDaEpoca(giorno).testo();
            for (int w = 0; w < NumRuote; ++w) {
                CinqueNumeri numeri;
                for (int k = 0; k < NumPosizioni; ++k)
                    numeri[k] = static_cast<std::int16_t>((e * 7 + w * 13 + k * 17) % NumeroMassimo + 1);
                r.ruote[w] = scriviTestoRuota(numeri);
            }
            righe.push_back(std::move(r));
        }
        ArchivioEstrazioni a;
        a.CaricaArchivio(righe, TipoCaricamento::Avvio);
        return a;
    }();
    return caricato;
}

void controllaAnalisi(const AnalisiIndice& a) {
    fuzz::richiedi(archivio().contiene(a.EstrazioneSelezionata), "estrazione nell'archivio");
    fuzz::richiedi(a.Presenze >= AnalisiIndice::PresenzeMinime && a.Presenze <= AnalisiIndice::PresenzeMassime,
                   "presenze");
    fuzz::richiedi(a.NumeroColpi >= 1 && a.NumeroColpi <= AnalisiIndice::ColpiMassimi, "colpi");
    fuzz::richiedi(a.Mensile >= 0 && a.Mensile <= 31, "mensile");
    fuzz::richiedi(a.QuantitaNumeri >= 1 && a.QuantitaNumeri <= TavolaNumeri::Massimo, "quantità di numeri");
    fuzz::richiedi(a.Capogioco >= 0 && a.Capogioco <= NumeroMassimo, "capogioco");
    fuzz::richiedi(a.SorteElaborazione == 2 || a.SorteElaborazione == 3, "sorte");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    std::vector<std::string> argomenti;
    for (std::string_view linea : fuzz::righe(fuzz::testo(dati, n))) argomenti.emplace_back(linea);
    if (argomenti.size() > 64) return 0;
    std::string errore;
    const auto opzioni = leggiOpzioni(argomenti, &errore);
    if (!opzioni) {
        fuzz::richiedi(!errore.empty(), "un errore d'uso ha il suo messaggio");
        return 0;
    }
    try {
        const MetodoIndice metodo = metodoDaOpzioni(*opzioni, archivio());
        controllaAnalisi(metodo.analisi);
    } catch (const ErroreComando& e) {
        fuzz::richiedi(e.esito == EsitoInputErrato || e.esito == EsitoUsoErrato, "esito di un errore");
        fuzz::richiedi(!e.messaggio.empty(), "un errore ha il suo messaggio");
    }
    return 0;
}
