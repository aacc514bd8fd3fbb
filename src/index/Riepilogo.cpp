#include "index/Riepilogo.h"

#include "core/Colori.h"
#include "index/GriglieIndice.h"

namespace quorvane {

int Riepilogo::decimiPercentuale(int colpo) const {
    if (totale <= 0) return 0;
    // Whole numbers: a double would round 6.25 either way.
    const long long scala = 2000LL * perColpo[colpo];
    return static_cast<int>((scala + totale) / (2LL * totale));
}

Riepilogo calcolaRiepilogo(const ContatoriVerifica& c) {
    Riepilogo r;
    for (int x = 1; x <= Riepilogo::MaxNumeroPrevisione; ++x) {
        const int q = c.EsitiFormazione[x][0];
        if (q < 1 || q > Riepilogo::MaxQuantita) continue;
        for (int k = 1; k <= 5; ++k) r.perQuantita[q][k] += c.EsitiFormazione[x][k];
    }
    for (int colpo = 1; colpo <= AnalisiIndice::ColpiMassimi; ++colpo) {
        r.perColpo[colpo] = c.EsitiPerColpo[colpo];
        r.totale += c.EsitiPerColpo[colpo];
    }
    return r;
}

std::string testoPercentuale(int decimi, std::string_view separatore) {
    std::string testo = decimi >= 10 ? std::to_string(decimi / 10) : std::string();
    testo += separatore;
    testo += static_cast<char>('0' + decimi % 10);
    return testo;
}

void riempiEsitiPerQuantita(Griglia& g, const Riepilogo& r) {
    g.impostaIntestazione(" Q Num|1|2|3|4|5");
    g.impostaRighe(1);
    g.impostaRighe(Riepilogo::MaxQuantita + 1);
    for (int q = 1; q <= Riepilogo::MaxQuantita; ++q) {
        g.impostaTesto(q, 0, std::to_string(q));
        for (int k = 1; k <= 5; ++k)
            if (r.perQuantita[q][k] > 0) g.impostaTesto(q, k, std::to_string(r.perQuantita[q][k]));
    }
    for (int c = 0; c < g.colonne(); ++c) g.impostaAllineamentoColonna(c, Allineamento::Centro);
    g.impostaGrassetto(1, 0, Riepilogo::MaxQuantita, 0, true);
    g.impostaSfondo(1, 0, Riepilogo::MaxQuantita, 0, GialloRitardi);
}

void riempiEsitiPerColpo(Griglia& g, const Riepilogo& r, std::string_view separatore) {
    constexpr int colpi = AnalisiIndice::ColpiMassimi;
    g.impostaIntestazione("Colpo|Esiti   |Perc              ");
    g.impostaRighe(1);
    g.impostaRighe(colpi + 1);
    for (int c = 1; c <= colpi; ++c) {
        if (r.perColpo[c] <= 0) continue;
        g.impostaTesto(c, 0, std::to_string(c));
        g.impostaTesto(c, 1, std::to_string(r.perColpo[c]));
        g.impostaTesto(c, 2, testoPercentuale(r.decimiPercentuale(c), separatore));
    }
    g.impostaColore(1, 1, colpi, 1, BluPrevisioni);
    g.impostaGrassetto(1, 1, colpi, 1, true);
    g.impostaSfondo(1, 0, colpi, 0, GialloRitardi);
    g.impostaGrassetto(1, 0, colpi, 0, true);
    for (int c = 0; c < g.colonne(); ++c) g.impostaAllineamentoColonna(c, Allineamento::Centro);
}

}  // namespace quorvane
