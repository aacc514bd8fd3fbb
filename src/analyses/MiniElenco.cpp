#include "analyses/MiniElenco.h"

#include "core/Colori.h"

namespace quorvane {

void MiniElenco::mostra(int estrazione) {
    estrazione_ = estrazione;
    cancellaSegni();
}

void MiniElenco::segna(int ruota, int posizione) {
    if (!valida(ruota, posizione)) return;
    bool& s = segni_[(ruota - 1) * NumPosizioni + posizione - 1];
    s = !s;
}

bool MiniElenco::segnato(int ruota, int posizione) const {
    return valida(ruota, posizione) && segni_[(ruota - 1) * NumPosizioni + posizione - 1];
}

void MiniElenco::riempiTabella(Griglia& tabella, const ArchivioEstrazioni& archivio) const {
    tabella.impostaIntestazione("Ruota| N1 | N2 | N3 | N4 | N5 ");
    tabella.impostaRighe(NumRuote + 1);
    for (int c = 0; c <= NumPosizioni; ++c) tabella.impostaAllineamentoColonna(c, Allineamento::Centro);
    const bool presente = estrazione_ >= 1 && estrazione_ <= archivio.NumEstrazioni();
    for (int w = 1; w <= NumRuote; ++w) {
        tabella.impostaTesto(w, 0, std::string(SiglaRuota[w]));
        tabella.impostaGrassetto(w, 0, true);
        for (int p = 1; p <= NumPosizioni; ++p) {
            tabella.impostaTesto(w, p, presente ? std::to_string(archivio.Estratti(estrazione_, w, p)) : std::string());
            tabella.impostaSfondo(w, p, segnato(w, p) ? Verde : Bianco);
        }
    }
}

std::string MiniElenco::progressivi(const ArchivioEstrazioni& archivio) const {
    if (estrazione_ < 1 || estrazione_ > archivio.NumEstrazioni()) return {};
    return "PM=" + std::to_string(archivio.ProgMese(estrazione_)) +
           "   PA=" + std::to_string(archivio.ProgAnno(estrazione_));
}

}  // namespace quorvane
