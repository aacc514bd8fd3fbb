#include "index/GrigliaStorico.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "core/Colori.h"

namespace quorvane {

namespace {
constexpr std::string_view NomeSorte[] = {"", "Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"};

// The combinations by their training p, the smallest first: equal p in the order listed (so the
// best comes first), those without p last. By the number, never by its text ("< 0,001").
std::vector<std::size_t> ordinePerP(const EsitoConfronto& esito) {
    std::vector<std::size_t> ordine(esito.combinazioni.size());
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::stable_sort(ordine.begin(), ordine.end(), [&esito](std::size_t a, std::size_t b) {
        const auto& pa = esito.combinazioni[a].allenamento.p;
        const auto& pb = esito.combinazioni[b].allenamento.p;
        return pa && (!pb || *pa < *pb);
    });
    return ordine;
}
}  // namespace

std::string testoDecimale(double valore, int decimali, std::string_view separatore) {
    // No "-0,00" for a value that rounds to zero.
    if (std::fabs(valore) < 0.5 * std::pow(10.0, -decimali)) valore = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimali, valore);
    std::string testo = buffer;
    if (const auto punto = testo.find('.'); punto != std::string::npos) testo.replace(punto, 1, separatore);
    return testo;
}

void riempiTabellaStorico(Griglia& g, const std::vector<GiocataStorica>& giocate, const ArchivioEstrazioni& archivio,
                          std::string_view separatore) {
    g.impostaIntestazione(
        "Estr   |Data Estraz   |Previsione               |Sorte   |Colpo |Presi              "
        "|Puntata |Vincita    |Probabilità");
    for (int c : {0, 1, 3, 4, 6}) g.impostaAllineamentoColonna(c, Allineamento::Centro);
    for (int c : {7, 8}) g.impostaAllineamentoColonna(c, Allineamento::Destra);
    g.impostaRighe(1);
    g.riserva(static_cast<int>(giocate.size()) + 1);
    for (const GiocataStorica& p : giocate) {
        const int r = g.aggiungiRiga();
        std::string numeri;
        for (int n : p.numeri) {
            if (!numeri.empty()) numeri += ' ';
            numeri += std::to_string(n);
        }
        g.impostaTesto(r, 0, std::to_string(p.punto));
        g.impostaTesto(r, 1, archivio.DateEstrazioni(p.punto));
        g.impostaTesto(r, 2, numeri);
        g.impostaTesto(r, 3, std::string(NomeSorte[p.sorte]));
        g.impostaTesto(r, 4, p.colpo ? std::to_string(p.colpo) : std::string());
        g.impostaTesto(r, 5, p.presi);
        g.impostaTesto(r, 6, std::to_string(p.puntata));
        g.impostaTesto(r, 7, testoDecimale(p.vincita, 2, separatore));
        g.impostaTesto(r, 8, testoDecimale(100 * p.probabilita, 2, separatore) + "%");
        if (p.colpo) g.impostaSfondo(r, 4, r, 7, VerdeMedio);
    }
}

std::vector<std::pair<std::string, std::string>> testiRiepilogoStorico(const RiepilogoStorico& r,
                                                                       std::string_view separatore) {
    const auto z = r.z();
    return {
        {"Punti", std::to_string(r.punti)},
        {"Punti senza estrazioni sulle ruote in gioco", std::to_string(r.senzaEstrazioni)},
        {"Giocate", std::to_string(r.giocate)},
        {"Vincite", std::to_string(r.vincite)},
        {"Attese", testoDecimale(r.attese, 2, separatore)},
        {"Rapporto", testoDecimale(r.rapporto(), 3, separatore)},
        {"z", z ? testoDecimale(*z, 2, separatore) : std::string()},
        {"Puntata", std::to_string(r.puntata)},
        {"Incasso", testoDecimale(r.incasso, 2, separatore)},
        {"Resa", testoDecimale(r.resa(), 1, separatore) + "%"},
        {"Resa attesa", testoDecimale(r.resaAttesa(), 1, separatore) + "%"},
        {"p", testoProbabilita(r, separatore)},
    };
}

std::string testoProbabilita(const RiepilogoStorico& r, std::string_view separatore) {
    if (!r.p) return {};
    if (*r.p < 0.0005) return "< " + testoDecimale(0.001, 3, separatore);
    // Four decimals below 1%, so that a small simulated p keeps a readable error.
    const int decimali = *r.p < 0.01 ? 4 : 3;
    std::string testo = testoDecimale(*r.p, decimali, separatore);
    if (r.simulazioni > 0) testo += " ± " + testoDecimale(r.erroreP, decimali, separatore);
    return testo;
}

void riempiTabellaConfronto(Griglia& g, const std::vector<OpzioneConfronto>& opzioni, const EsitoConfronto& esito,
                            std::string_view separatore) {
    std::string intestazione;
    for (const OpzioneConfronto& o : opzioni) intestazione += o.nome + " |";
    g.impostaIntestazione(intestazione + "Punti |Giocate |Vincite |Attese |z      |p             |Resa   |Resa attesa");
    const int prima = static_cast<int>(opzioni.size());
    for (int c = 0; c < prima + 8; ++c) g.impostaAllineamentoColonna(c, Allineamento::Destra);
    g.impostaRighe(1);
    g.riserva(static_cast<int>(esito.combinazioni.size()) + 1);
    for (const std::size_t k : ordinePerP(esito)) {
        const RigaConfronto& riga = esito.combinazioni[k];
        const RiepilogoStorico& a = riga.allenamento;
        const int r = g.aggiungiRiga();
        for (int c = 0; c < prima; ++c) g.impostaTesto(r, c, std::to_string(riga.valori[c]));
        const auto z = a.z();
        const std::string testi[] = {std::to_string(a.punti),
                                     std::to_string(a.giocate),
                                     std::to_string(a.vincite),
                                     testoDecimale(a.attese, 2, separatore),
                                     z ? testoDecimale(*z, 2, separatore) : std::string(),
                                     testoProbabilita(a, separatore),
                                     testoDecimale(a.resa(), 1, separatore) + "%",
                                     testoDecimale(a.resaAttesa(), 1, separatore) + "%"};
        for (int c = 0; c < 8; ++c) g.impostaTesto(r, prima + c, testi[c]);
        if (static_cast<int>(k) == esito.migliore) g.impostaSfondo(r, 0, r, prima + 7, VerdeMedio);
    }
}

}  // namespace quorvane
