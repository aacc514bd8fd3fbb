#include "analyses/Ripetizioni.h"

#include <algorithm>

#include "core/Colori.h"

namespace quorvane {

void Ripetizioni::Rilevazione(const ArchivioEstrazioni& archivio, int fine) {
    uscite_.fill(0);
    for (int j = 1; j <= EstrazioniRilevate; ++j) {
        const int d = fine - j + 1;
        if (d < 1 || d > archivio.NumEstrazioni()) continue;
        for (int w = 0; w < NumRuote; ++w)
            for (int p = 1; p <= NumPosizioni; ++p) {
                const int n = archivio.Estratti(d, w + 1, p);
                if (n >= 1 && n <= NumeroMassimo) uscite_[cella(n, j)] |= static_cast<std::uint16_t>(1u << w);
            }
    }
}

std::vector<Ripetizioni::Ripetizione> Ripetizioni::Combinazioni(int e, int r) const {
    std::vector<Ripetizione> elenco;
    e = std::clamp(e, 1, EstrazioniRilevate);
    if (r < MinimoRuote || r > MassimoRuote) return elenco;
    for (int n = 1; n <= NumeroMassimo; ++n) {
        // The wheels the number came out on in every one of the e draws.
        unsigned comuni = (1u << NumRuote) - 1;
        for (int j = 1; j <= e; ++j) comuni &= uscite_[cella(n, j)];
        std::array<std::int8_t, NumRuote> ruote{};
        int m = 0;
        for (int w = 0; w < NumRuote; ++w)
            if ((comuni >> w) & 1) ruote[m++] = static_cast<std::int8_t>(w);
        if (m < r) continue;
        // Groups of r of those wheels, lexicographic: the same order as over all the wheels.
        std::array<int, MassimoRuote> scelta{};
        for (int i = 0; i < r; ++i) scelta[i] = i;
        while (true) {
            Ripetizione& x = elenco.emplace_back();
            x.numero = n;
            x.quanteRuote = r;
            for (int i = 0; i < r; ++i) x.ruote[i] = ruote[scelta[i]];
            int i = r - 1;
            while (i >= 0 && scelta[i] == m - r + i) --i;
            if (i < 0) break;
            ++scelta[i];
            for (int k = i + 1; k < r; ++k) scelta[k] = scelta[k - 1] + 1;
        }
    }
    return elenco;
}

void riempiRipetizioni(Griglia& tabella, const std::vector<Ripetizioni::Ripetizione>& elenco) {
    tabella.impostaIntestazione("  |R1|R2|R3|R4|R5|R6");
    for (int c = 0; c <= Ripetizioni::MassimoRuote; ++c) tabella.impostaAllineamentoColonna(c, Allineamento::Centro);
    tabella.impostaRighe(1);
    tabella.impostaRighe(static_cast<int>(elenco.size()) + 1);
    int riga = 1;
    for (const auto& x : elenco) {
        tabella.impostaTesto(riga, 0, std::to_string(x.numero));
        for (int i = 0; i < x.quanteRuote; ++i)
            tabella.impostaTesto(riga, i + 1, std::string(SiglaRuota[x.ruote[i] + 1]));
        ++riga;
    }
}

void riempiUsciteNumero(Griglia& tabella, const Ripetizioni& ripetizioni, int numero) {
    tabella.impostaIntestazione("   |N° Estr|Data Estraz    |BA|CA|FI|GE|MI|NA|PA|RO|TO|VE|NZ");
    for (int c = 0; c < tabella.colonne(); ++c) tabella.impostaAllineamentoColonna(c, Allineamento::Centro);
    tabella.impostaRighe(1);
    tabella.impostaRighe(Ripetizioni::EstrazioniRilevate + 1);
    const bool valido = numero >= 1 && numero <= NumeroMassimo;
    const std::string testo = std::to_string(numero);
    for (int j = 1; j <= Ripetizioni::EstrazioniRilevate; ++j) {
        tabella.impostaTesto(j, 0, std::to_string(j));
        for (int w = 0; w < NumRuote && valido; ++w)
            if (ripetizioni.Uscite(numero, j, w)) {
                tabella.impostaTesto(j, w + 3, testo);
                tabella.impostaSfondo(j, w + 3, Verde);
            }
    }
}

std::string testoFineAnalisi(const ArchivioEstrazioni& archivio, int fine) {
    std::string testo = std::to_string(fine) + " del ";
    if (fine >= 1 && fine <= archivio.NumEstrazioni()) testo += archivio.DateEstrazioni(fine);
    return testo;
}

}  // namespace quorvane
