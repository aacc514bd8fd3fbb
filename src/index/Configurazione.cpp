#include "index/Configurazione.h"

#include <algorithm>

namespace quorvane {

std::string testoRuote(const std::array<bool, NumRuote>& ruote) {
    std::string testo(NumRuote, '0');
    for (int w = 0; w < NumRuote; ++w)
        if (ruote[w]) testo[w] = '1';
    return testo;
}

void applicaRuote(std::string_view testo, std::array<bool, NumRuote>& ruote) {
    for (std::size_t w = 0; w < testo.size() && w < ruote.size(); ++w) ruote[w] = testo[w] == '1';
}

std::string testoNumeri(const Previsione& previsione) {
    std::string testo(NumeroMassimo, '0');
    previsione.maschera().perOgni([&testo](int n) { testo[n - 1] = '1'; });
    return testo;
}

std::vector<int> numeriDaTesto(std::string_view testo) {
    std::vector<int> numeri;
    for (std::size_t p = 0; p < testo.size() && p < NumeroMassimo; ++p)
        if (testo[p] == '1') numeri.push_back(static_cast<int>(p) + 1);
    return numeri;
}

Configurazione configurazioneDa(const AnalisiIndice& a, std::string nome) {
    Configurazione c;
    c.nome = std::move(nome);
    c.NE = a.EstrazioneSelezionata;
    // ComboPresenze lists 5..200, ComboMensile "U" and 1..31, ComboC 1..20.
    c.Mesi = a.Presenze - AnalisiIndice::PresenzeMinime;
    c.Mensile = a.Mensile;
    c.Colpi = a.NumeroColpi - 1;
    c.Ruote = testoRuote(a.ruoteInGioco);
    c.Fine = a.fineAllaSelezionata ? 1 : 0;
    return c;
}

void applicaConfigurazione(const Configurazione& c, bool conEstrazione, AnalisiIndice& a, int ultimaEstrazione) {
    if (conEstrazione && c.NE >= 1 && c.NE <= ultimaEstrazione) a.EstrazioneSelezionata = c.NE;
    // Compared before adding: a stored value near the int limit must not overflow.
    if (c.Mesi >= 0 && c.Mesi <= AnalisiIndice::PresenzeMassime - AnalisiIndice::PresenzeMinime)
        a.Presenze = c.Mesi + AnalisiIndice::PresenzeMinime;
    if (c.Mensile >= 0 && c.Mensile <= 31) a.Mensile = c.Mensile;
    if (c.Colpi >= 0 && c.Colpi < AnalisiIndice::ColpiMassimi) a.NumeroColpi = c.Colpi + 1;
    applicaRuote(c.Ruote, a.ruoteInGioco);
    a.fineAllaSelezionata = c.Fine != 0;
}

std::vector<PrevisioneSalvata> previsioniDaSalvare(const AnalisiIndice& a) {
    std::vector<PrevisioneSalvata> righe;
    for (const Previsione& p : a.previsioni) {
        PrevisioneSalvata s;
        s.Riga = p.numero;
        s.Sorte = p.sorte;
        s.Esiti = p.esiti;
        s.Numeri = testoNumeri(p);
        righe.push_back(std::move(s));
    }
    return righe;
}

void CaricaSoloGiocate(MetodoIndice& metodo, const std::vector<PrevisioneSalvata>& righe) {
    std::vector<Previsione>& lista = metodo.analisi.previsioni;
    lista.clear();
    for (const PrevisioneSalvata& s : righe) {
        if (static_cast<int>(lista.size()) == AnalisiIndice::MaxPrevisioni) break;
        const std::vector<int> numeri = numeriDaTesto(s.Numeri);
        if (numeri.empty() || s.Sorte < 1 || s.Sorte > 5 || s.Riga < 1 ||
            s.Riga > ContatoriVerifica::MaxNumeroPrevisione)
            continue;
        Previsione p;
        p.numero = s.Riga;
        p.sorte = s.Sorte;
        p.esiti = s.Esiti;
        std::copy_n(numeri.begin(), std::min<std::size_t>(numeri.size(), Previsione::MaxNumeri), p.numeri.begin());
        lista.push_back(p);
    }
    metodo.VisualizzaSfaldamenti();
}

void riempiTabellaConfigurazioni(Griglia& g, const std::vector<Configurazione>& elenco) {
    g.impostaIntestazione("|Cod|Configurazione|NE|Mesi|Mensile|Colpi|Ruote|Fine");
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(elenco.size()) + 1);
    for (std::size_t i = 0; i < elenco.size(); ++i) {
        const Configurazione& c = elenco[i];
        const int r = static_cast<int>(i) + 1;
        g.impostaTesto(r, 1, std::to_string(c.IdConfig));
        g.impostaTesto(r, 2, c.nome);
        g.impostaTesto(r, 3, std::to_string(c.NE));
        g.impostaTesto(r, 4, std::to_string(c.Mesi));
        g.impostaTesto(r, 5, std::to_string(c.Mensile));
        g.impostaTesto(r, 6, std::to_string(c.Colpi));
        g.impostaTesto(r, 7, c.Ruote);
        g.impostaTesto(r, 8, std::to_string(c.Fine));
    }
    // Column 0 is the empty row selector; the options stay in the hidden columns.
    g.nascondiColonna(0);
    for (int c = 3; c < g.colonne(); ++c) g.nascondiColonna(c);
}

void riempiTabellaGiocate(Griglia& g, const std::vector<PrevisioneSalvata>& righe) {
    g.impostaIntestazione("|ID|IdConfig|Riga|Sorte|Esiti|Et|Numeri");
    g.nascondiColonna(0);
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(righe.size()) + 1);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const PrevisioneSalvata& s = righe[i];
        const int r = static_cast<int>(i) + 1;
        g.impostaTesto(r, 1, std::to_string(s.ID));
        g.impostaTesto(r, 2, std::to_string(s.IdConfig));
        g.impostaTesto(r, 3, std::to_string(s.Riga));
        g.impostaTesto(r, 4, std::to_string(s.Sorte));
        g.impostaTesto(r, 5, std::to_string(s.Esiti));
        if (s.Et) g.impostaTesto(r, 6, std::to_string(*s.Et));
        g.impostaTesto(r, 7, s.Numeri);
    }
}

}  // namespace quorvane
