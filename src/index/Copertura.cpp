#include "index/Copertura.h"

#include <algorithm>

namespace quorvane {

void impostaRuoteInGioco(AnalisiIndice& analisi) {
    analisi.RuoteSel = analisi.ruoteInGioco;
}

std::vector<Maschera90> finestreScoperte(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                         bool soloConSeguito) {
    std::vector<Maschera90> finestre;
    finestre.reserve(analisi.modello.size());
    for (const RigaModello& r : analisi.modello) {
        if (r.coperta || (soloConSeguito && r.senzaSeguito)) continue;
        finestre.push_back(numeriFinestra(r, archivio, analisi.RuoteSel));
    }
    return finestre;
}

std::vector<CoperturaCoppia> Elabora(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                     const Avanzamento& avanzamento) {
    const auto finestre = finestreScoperte(analisi, archivio, true);
    std::vector<CoperturaCoppia> coppie;
    coppie.reserve(NumeroMassimo * (NumeroMassimo - 1) / 2);
    for (int a = 1; a < NumeroMassimo; ++a) {
        if (avanzamento) avanzamento(a, NumeroMassimo - 1);
        Maschera90 coppia;
        coppia.aggiungi(a);
        for (int b = a + 1; b <= NumeroMassimo; ++b) {
            Maschera90 ab = coppia;
            ab.aggiungi(b);
            int conta = 0;
            for (const Maschera90& f : finestre) conta += !(f & ab).vuota();
            coppie.push_back({a, b, conta});
        }
    }
    std::stable_sort(coppie.begin(), coppie.end(),
                     [](const CoperturaCoppia& x, const CoperturaCoppia& y) { return x.copertura > y.copertura; });
    return coppie;
}

std::vector<CoperturaNumero> copertureSingole(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio) {
    // Rows without a following draw have an empty window and never count, so they need no skip.
    const auto finestre = finestreScoperte(analisi, archivio, false);
    std::vector<CoperturaNumero> numeri;
    numeri.reserve(NumeroMassimo);
    for (int n = 1; n <= NumeroMassimo; ++n) {
        int conta = 0;
        for (const Maschera90& f : finestre) conta += f.contiene(n);
        numeri.push_back({n, conta});
    }
    std::stable_sort(numeri.begin(), numeri.end(),
                     [](const CoperturaNumero& x, const CoperturaNumero& y) { return x.copertura > y.copertura; });
    return numeri;
}

}  // namespace quorvane
