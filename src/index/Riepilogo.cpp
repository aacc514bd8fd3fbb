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

void riempiRiepilogoFg1(Griglia& fg1, const Riepilogo& r) {
    fg1.impostaIntestazione(" Q Num|1|2|3|4|5");
    fg1.impostaRighe(1);
    fg1.impostaRighe(Riepilogo::MaxQuantita + 1);
    for (int q = 1; q <= Riepilogo::MaxQuantita; ++q) {
        fg1.impostaTesto(q, 0, std::to_string(q));
        for (int k = 1; k <= 5; ++k)
            if (r.perQuantita[q][k] > 0) fg1.impostaTesto(q, k, std::to_string(r.perQuantita[q][k]));
    }
    for (int c = 0; c < fg1.colonne(); ++c) fg1.impostaAllineamentoColonna(c, Allineamento::Centro);
    fg1.impostaGrassetto(1, 0, Riepilogo::MaxQuantita, 0, true);
    fg1.impostaSfondo(1, 0, Riepilogo::MaxQuantita, 0, GialloRitardi);
}

void riempiRiepilogoFg2(Griglia& fg2, const Riepilogo& r, std::string_view separatore) {
    constexpr int colpi = AnalisiIndice::ColpiMassimi;
    fg2.impostaIntestazione("Colpo|Esiti   |Perc              ");
    fg2.impostaRighe(1);
    fg2.impostaRighe(colpi + 1);
    for (int c = 1; c <= colpi; ++c) {
        if (r.perColpo[c] <= 0) continue;
        fg2.impostaTesto(c, 0, std::to_string(c));
        fg2.impostaTesto(c, 1, std::to_string(r.perColpo[c]));
        fg2.impostaTesto(c, 2, testoPercentuale(r.decimiPercentuale(c), separatore));
    }
    fg2.impostaColore(1, 1, colpi, 1, BluPrevisioni);
    fg2.impostaGrassetto(1, 1, colpi, 1, true);
    fg2.impostaSfondo(1, 0, colpi, 0, GialloRitardi);
    fg2.impostaGrassetto(1, 0, colpi, 0, true);
    for (int c = 0; c < fg2.colonne(); ++c) fg2.impostaAllineamentoColonna(c, Allineamento::Centro);
}

}  // namespace quorvane
