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

void riempiCalendario(Griglia& calendario, int anno, const std::vector<Data>& date) {
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
    calendario = Griglia(calendario.nome());
    calendario.impostaIntestazione(intestazione);
    calendario.nascondiColonna(0);
    for (int c = 0; c < colonne; ++c) calendario.impostaAllineamentoColonna(c, Allineamento::Centro);

    for (int m = 1; m <= 12; ++m) {
        if (!meseUsato[m]) continue;
        const int r = calendario.aggiungiRiga();
        calendario.impostaTesto(r, 1, std::to_string(anno));
        calendario.impostaTesto(r, 2, std::to_string(m));
        for (int g = 1; g <= 31; ++g)
            if (giorno[m][g] != 0) calendario.impostaTesto(r, colonna[g], std::to_string(giorno[m][g]));
    }
    const int ultima = calendario.righe() - 1;
    if (ultima < 1) return;
    calendario.impostaGrassetto(1, 1, ultima, 2, true);
    calendario.impostaSfondo(1, 1, ultima, 1, GialloChiaro);
    calendario.impostaSfondo(1, 2, ultima, 2, VerdeChiaroMese);
    for (int c = colonne - 1; c >= PrimaColonnaGiorno; --c)
        if (!calendario.testo(ultima, c).empty()) {
            calendario.impostaRigaCorrente(ultima);
            calendario.impostaColonnaCorrente(c);
            calendario.impostaPrimaRigaMostrata(ultima);
            break;
        }
}

void lettereGiorniSettimana(Griglia& calendario) {
    for (int r = 1; r < calendario.righe(); ++r)
        for (int c = PrimaColonnaGiorno; c < calendario.colonne(); ++c) {
            const std::string& t = calendario.testo(r, c);
            if (t.empty()) continue;
            const int n = static_cast<int>(calendario.valore(r, c));
            if (n >= 1 && n <= 7) calendario.impostaTesto(r, c, LettereGiorno[n]);
        }
}

std::optional<GiornoCalendario> giornoCella(const Griglia& calendario, int riga, int colonna) {
    if (riga < 1 || riga >= calendario.righe() || colonna < PrimaColonnaGiorno || colonna >= calendario.colonne())
        return std::nullopt;
    const Data data{static_cast<int>(calendario.valore(riga, 1)), static_cast<int>(calendario.valore(riga, 2)),
                    static_cast<int>(calendario.valore(0, colonna))};
    if (!data.valida()) return std::nullopt;
    return GiornoCalendario{data.testo(), data};
}

}  // namespace quorvane
