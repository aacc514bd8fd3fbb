#include "analyses/SviluppoSistema.h"

#include <algorithm>

#include "core/Colori.h"

namespace quorvane {

namespace {
constexpr const char* IntestazioneRighe = "NuR|1|2|3|4|5|6|7|8|9|10";
constexpr int RighePannello = 6;
constexpr int ColonnePannello = 15;
// FgSy has room for 99 rows; a longer system is shown whole.
constexpr int RigheSistemaBase = 100;

std::string testoNumero(int n) {
    return n > 0 ? std::to_string(n) : std::string();
}
}  // namespace

void riempiElencoSistemi(Griglia& g, const std::vector<VoceSistema>& sistemi) {
    g.impostaIntestazione("|Cod|Denominazione|sviluppo");
    g.nascondiColonna(0);
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(sistemi.size()) + 1);
    for (int i = 0; i < static_cast<int>(sistemi.size()); ++i) {
        const VoceSistema& s = sistemi[static_cast<std::size_t>(i)];
        g.impostaTesto(i + 1, 1, std::to_string(s.cod));
        g.impostaTesto(i + 1, 2, s.denominazione);
        g.impostaTesto(i + 1, 3, std::to_string(s.sviluppo));
    }
}

void riempiRigheSalvate(Griglia& g, const std::vector<RigaSalvata>& righe) {
    g.impostaIntestazione("|NuRiga|Qn|Num");
    g.nascondiColonna(0);
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(righe.size()) + 1);
    for (int i = 0; i < static_cast<int>(righe.size()); ++i) {
        const RigaSalvata& r = righe[static_cast<std::size_t>(i)];
        g.impostaTesto(i + 1, 1, r.nuRiga);
        g.impostaTesto(i + 1, 2, r.qn);
        g.impostaTesto(i + 1, 3, r.num);
    }
}

bool SviluppoSistema::carica(const std::vector<RigaSalvata>& righe) {
    righe_.clear();
    righe_.reserve(righe.size());
    for (const RigaSalvata& salvata : righe) {
        Riga& riga = righe_.emplace_back();
        riga.nuRiga = salvata.nuRiga;
        int t = 0;
        const std::size_t fine = std::min<std::size_t>(salvata.num.size(), 90);
        for (std::size_t k = 0; k < fine; ++k) {
            if (salvata.num[k] != 'X') continue;
            if (t == MassimoNumeriRiga) return false;
            riga.numeri[static_cast<std::size_t>(t++)] = static_cast<int>(k) + 1;
        }
    }
    return true;
}

void SviluppoSistema::prepara() {
    std::bitset<91> usati;
    for (const Riga& r : righe_)
        for (int n : r.numeri)
            if (n > 0) usati[static_cast<std::size_t>(n)] = true;
    basi_.clear();
    for (int n = 1; n <= 90; ++n)
        if (usati[static_cast<std::size_t>(n)]) basi_.push_back(n);
    sostituti_.assign(basi_.size(), 0);
    scelti_.reset();
    sviluppo_.clear();
}

void SviluppoSistema::scegli(int numero) {
    if (numero < 1 || numero > 90) return;
    const auto i = static_cast<std::size_t>(numero);
    if (scelti_[i]) scelti_[i] = false;
    else if (scelti() < numeriBase()) scelti_[i] = true;
}

void SviluppoSistema::sostituisci(int sviluppo) {
    // The panel is read row by row, so the chosen numbers come in ascending order.
    std::fill(sostituti_.begin(), sostituti_.end(), 0);
    std::size_t t = 0;
    for (std::size_t n = 1; n <= 90 && t < sostituti_.size(); ++n)
        if (scelti_[n]) sostituti_[t++] = static_cast<int>(n);

    const auto larghezza = static_cast<std::size_t>(std::clamp(sviluppo, 0, MassimoNumeriRiga));
    sviluppo_.clear();
    for (const Riga& r : righe_) {
        if (r.numeri[0] == 0) continue;
        Riga& nuova = sviluppo_.emplace_back();
        nuova.nuRiga = std::to_string(sviluppo_.size());
        for (std::size_t k = 0; k < larghezza; ++k) {
            const auto base = std::find(basi_.begin(), basi_.end(), r.numeri[k]);
            if (base != basi_.end()) nuova.numeri[k] = sostituti_[static_cast<std::size_t>(base - basi_.begin())];
        }
    }
}

void SviluppoSistema::scriviRighe(Griglia& g, const std::vector<Riga>& righe, int minimoRighe) {
    g.impostaIntestazione(IntestazioneRighe);
    g.impostaRighe(1);
    g.impostaRighe(std::max(minimoRighe, static_cast<int>(righe.size()) + 1));
    for (int c = 0; c <= MassimoNumeriRiga; ++c) g.impostaAllineamentoColonna(c, Allineamento::Centro);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.impostaTesto(r, 0, righe[i].nuRiga);
        for (std::size_t k = 0; k < righe[i].numeri.size(); ++k)
            g.impostaTesto(r, static_cast<int>(k) + 1, testoNumero(righe[i].numeri[k]));
    }
}

void SviluppoSistema::riempiSistemaBase(Griglia& tabella) const {
    scriviRighe(tabella, righe_, RigheSistemaBase);
}

void SviluppoSistema::riempiSviluppo(Griglia& tabella) const {
    scriviRighe(tabella, sviluppo_, 1);
}

void SviluppoSistema::riempiSostituzioni(Griglia& tabella) const {
    tabella.impostaIntestazione("Bas|Num");
    tabella.impostaRighe(1);
    tabella.impostaRighe(numeriBase() + 1);
    for (int c = 0; c < 2; ++c) tabella.impostaAllineamentoColonna(c, Allineamento::Centro);
    for (std::size_t i = 0; i < basi_.size(); ++i) {
        tabella.impostaTesto(static_cast<int>(i) + 1, 0, std::to_string(basi_[i]));
        tabella.impostaTesto(static_cast<int>(i) + 1, 1, testoNumero(sostituti_[i]));
    }
}

void SviluppoSistema::riempiPannello(Griglia& pannello) const {
    pannello.impostaRigheFisse(0);
    pannello.impostaColonneFisse(0);
    pannello.impostaColonne(ColonnePannello);
    pannello.impostaRighe(RighePannello);
    for (int c = 0; c < ColonnePannello; ++c) pannello.impostaAllineamentoColonna(c, Allineamento::Centro);
    for (int r = 0; r < RighePannello; ++r)
        for (int c = 0; c < ColonnePannello; ++c) {
            const int n = ColonnePannello * r + c + 1;
            pannello.impostaTesto(r, c, std::to_string(n));
            pannello.impostaSfondo(r, c, scelto(n) ? Giallo : Bianco);
        }
}

int numeroPannello(int riga, int colonna) {
    if (riga < 0 || riga >= RighePannello || colonna < 0 || colonna >= ColonnePannello) return 0;
    return ColonnePannello * riga + colonna + 1;
}

}  // namespace quorvane
