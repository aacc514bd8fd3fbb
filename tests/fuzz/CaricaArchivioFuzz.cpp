// The archive loaded in memory from the rows of a database, then loaded again as the windows do
// after a change: a load succeeds only when every wheel text is a draw or a wheel not drawn, and
// every wheel it holds then is five different numbers 1..90 or none. Each line is a row: the date and the eleven wheel
// texts, separated by '|'; a line "=" starts the rows of the second load. The first byte picks the kinds of load and
// the first model draw.
#include "Fuzz.h"
#include "core/ArchivioEstrazioni.h"

using namespace quorvane;

namespace {

RigaArchivio riga(std::string_view linea) {
    RigaArchivio r;
    for (int campo = 0; campo <= NumRuote; ++campo) {
        const std::size_t fine = linea.find('|');
        (campo == 0 ? r.data : r.ruote[campo - 1]) = linea.substr(0, fine);
        if (fine == std::string_view::npos) break;
        linea.remove_prefix(fine + 1);
    }
    return r;
}

// Every index the archive hands out addresses a loaded draw.
void controllaIndici(const ArchivioEstrazioni& a) {
    fuzz::richiedi(a.UltimaEstrazione() >= 0 && a.UltimaEstrazione() <= a.NumEstrazioni(),
                   "UltimaEstrazione nell'archivio");
    for (int k = 1; k <= a.NumModello(); ++k)
        fuzz::richiedi(a.IndiciModello(k) >= 1 && a.IndiciModello(k) <= a.NumEstrazioni(),
                       "estrazioni modello nell'archivio");
    for (int e = 1; e <= a.NumEstrazioni(); ++e) {
        fuzz::richiedi(a.DataEstrazione(e).valida(), "date valide");
        fuzz::richiedi(a.ProgMese(e) >= 0 && a.ProgAnno(e) >= 0, "progressivi");
        for (int r = 1; r <= NumRuote; ++r) {
            for (int p = 1; p <= NumPosizioni; ++p)
                fuzz::richiedi(a.Estratti(e, r, p) >= 0 && a.Estratti(e, r, p) <= NumeroMassimo, "numeri del Lotto");
            const int n = a.NumeriRuota(e, r).conta();
            fuzz::richiedi(n == 0 || n == NumPosizioni, "cinque numeri diversi o nessuno");
        }
    }
    const PeriodoModello periodo = a.periodoModello();
    fuzz::richiedi(periodo.estrazioni == a.NumModello(), "il periodo modello conta le sue estrazioni");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n == 0) return 0;
    const std::uint8_t scelta = dati[0];
    std::vector<RigaArchivio> prime, seconde;
    bool seconda = false;
    for (std::string_view linea : fuzz::righe(fuzz::testo(dati + 1, n - 1))) {
        if (linea == "=") seconda = true;
        else (seconda ? seconde : prime).push_back(riga(linea));
    }
    ArchivioEstrazioni archivio;
    archivio.impostaEstrazioneIniziale(scelta & 0x0F);
    const TipoCaricamento tipi[] = {TipoCaricamento::Avvio, TipoCaricamento::Ricarica, TipoCaricamento::SoloEstratti};
    const EsitoCaricamento esito = archivio.CaricaArchivio(prime, tipi[(scelta >> 4) % 2]);
    if (esito == EsitoCaricamento::Riuscito)
        fuzz::richiedi(archivio.NumEstrazioni() == static_cast<int>(prime.size()), "una riga per estrazione");
    // The message names a bad wheel exactly when there is one; a load with one never succeeds.
    const bool ruoteValide = motivoRuoteNonValide(prime).empty();
    fuzz::richiedi(esito != EsitoCaricamento::RuoteNonValide || !ruoteValide, "ruote rifiutate con un motivo");
    fuzz::richiedi(esito != EsitoCaricamento::Riuscito || ruoteValide, "ruote non valide mai caricate");
    controllaIndici(archivio);
    if (!seconda) return 0;
    const int prima = archivio.NumEstrazioni();
    if (archivio.CaricaArchivio(seconde, tipi[(scelta >> 5) % 3]) != EsitoCaricamento::Riuscito)
        fuzz::richiedi(archivio.NumEstrazioni() == prima, "un caricamento fallito non cambia nulla");
    controllaIndici(archivio);
    return 0;
}
