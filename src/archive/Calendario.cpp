#include "archive/Calendario.h"

#include <algorithm>
#include <array>

#include "core/Colori.h"

namespace quorvane {

namespace {
constexpr Colore VerdeChiaroMese = rgb(192, 255, 192);
constexpr int PrimaColonnaGiorno = 3;
constexpr std::array<const char*, 8> LettereGiorno = {"", "D", "L", "M", "m", "G", "V", "S"};
}  // namespace

void riempiCalendario(Griglia& fg1, int anno, const std::vector<Data>& date) {
    // Which months and days had draws; at most one draw a day.
    std::array<std::array<int, 32>, 13> giorno{};  // weekday 1..7, 0 without a draw
    std::array<bool, 32> giornoUsato{};
    std::array<bool, 13> meseUsato{};
    for (const Data& d : date) {
        if (d.anno != anno || d.mese < 1 || d.mese > 12 || d.giorno < 1 || d.giorno > 31) continue;
        giorno[d.mese][d.giorno] = d.giornoSettimana() + 1;
        giornoUsato[d.giorno] = meseUsato[d.mese] = true;
    }

    std::string intestazione = "|A|M";
    std::array<int, 32> colonna{};
    int colonne = PrimaColonnaGiorno;
    for (int g = 1; g <= 31; ++g)
        if (giornoUsato[g]) {
            colonna[g] = colonne++;
            intestazione += '|' + std::to_string(g);
        }
    fg1 = Griglia(fg1.nome());
    fg1.impostaIntestazione(intestazione);
    fg1.nascondiColonna(0);
    for (int c = 0; c < colonne; ++c) fg1.impostaAllineamentoColonna(c, Allineamento::Centro);

    for (int m = 1; m <= 12; ++m) {
        if (!meseUsato[m]) continue;
        const int r = fg1.aggiungiRiga();
        fg1.impostaTesto(r, 1, std::to_string(anno));
        fg1.impostaTesto(r, 2, std::to_string(m));
        for (int g = 1; g <= 31; ++g)
            if (giorno[m][g] != 0) fg1.impostaTesto(r, colonna[g], std::to_string(giorno[m][g]));
    }
    const int ultima = fg1.righe() - 1;
    if (ultima < 1) return;
    fg1.impostaGrassetto(1, 1, ultima, 2, true);
    fg1.impostaSfondo(1, 1, ultima, 1, GialloChiaro);
    fg1.impostaSfondo(1, 2, ultima, 2, VerdeChiaroMese);
    for (int c = colonne - 1; c >= PrimaColonnaGiorno; --c)
        if (!fg1.testo(ultima, c).empty()) {
            fg1.impostaRigaCorrente(ultima);
            fg1.impostaColonnaCorrente(c);
            fg1.impostaPrimaRigaMostrata(ultima);
            break;
        }
}

void lettereGiorniSettimana(Griglia& fg1) {
    for (int r = 1; r < fg1.righe(); ++r)
        for (int c = PrimaColonnaGiorno; c < fg1.colonne(); ++c) {
            const std::string& t = fg1.testo(r, c);
            if (t.empty()) continue;
            const int n = static_cast<int>(fg1.valore(r, c));
            if (n >= 1 && n <= 7) fg1.impostaTesto(r, c, LettereGiorno[n]);
        }
}

std::optional<GiornoCalendario> giornoCella(const Griglia& fg1, int riga, int colonna) {
    if (riga < 1 || riga >= fg1.righe() || colonna < PrimaColonnaGiorno || colonna >= fg1.colonne())
        return std::nullopt;
    const Data data{static_cast<int>(fg1.valore(riga, 1)), static_cast<int>(fg1.valore(riga, 2)),
                    static_cast<int>(fg1.valore(0, colonna))};
    if (!data.valida()) return std::nullopt;
    return GiornoCalendario{data.testo(), data};
}

}  // namespace quorvane
