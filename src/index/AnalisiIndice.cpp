#include "index/AnalisiIndice.h"

#include <utility>

namespace quorvane {

bool eEstrazioneModello(const AnalisiIndice& a, const ArchivioEstrazioni& archivio, int i) {
    const int ultima = archivio.UltimaEstrazione();
    if (a.Mensile > 0) return archivio.ProgMese(i) == a.Mensile;
    const bool ultimaDelMese = i < ultima && archivio.ProgMese(i + 1) == 1;
    return a.forzaUltima ? (i == ultima || ultimaDelMese) : ultimaDelMese;
}

bool RicavaBaseDati(AnalisiIndice& a, const ArchivioEstrazioni& archivio) {
    a.modello.clear();
    if (!archivio.contiene(a.EstrazioneSelezionata)) return false;
    a.FineRicerca = a.calcolaFineRicerca(archivio);
    for (int i = a.EstrazioneSelezionata; i >= 1; --i) {
        if (eEstrazioneModello(a, archivio, i)) {
            RigaModello r;
            r.numero = static_cast<int>(a.modello.size()) + 1;
            r.estr = i;
            a.modello.push_back(r);
        }
        if (static_cast<int>(a.modello.size()) >= a.Presenze) break;
    }
    if (a.modello.empty()) return false;
    costruisciFinestre(a);
    return true;
}

void costruisciFinestre(AnalisiIndice& a) {
    auto& m = a.modello;
    for (RigaModello& r : m) {
        RigaModello nuova;
        nuova.numero = r.numero;
        nuova.estr = r.estr;
        r = std::move(nuova);
        r.inizio = r.estr + 1;
        r.fine = r.estr + a.NumeroColpi <= a.FineRicerca ? r.estr + a.NumeroColpi : a.FineRicerca;
    }
    const int n = static_cast<int>(m.size());
    if (n == 0) return;
    m[0].senzaSeguito = m[0].estr == a.FineRicerca;
    // m[k] is table row k + 1; m[k + 1] is the next older model draw.
    for (int k = n - 1; k >= 1; --k)
        if (m[k - 1].inizio <= m[k].fine) m[k - 1].inizioSovrapposto = true;
    for (int k = n - 2; k >= 0; --k) {
        if (m[k + 1].fine >= m[k].inizio) {
            m[k + 1].end = m[k].inizio - 1;
            m[k + 1].endAccorciato = true;
        }
    }
    for (auto& r : m)
        if (r.end == 0) r.end = r.fine;
    for (auto& r : m) {
        if (a.FineRicerca - r.estr > a.NumeroColpi - 1) break;
        r.tagliata = true;
    }
}

Maschera90 numeriFinestra(const RigaModello& riga, const ArchivioEstrazioni& archivio,
                          const std::array<bool, NumRuote>& ruote) {
    Maschera90 numeri;
    const int ultima = riga.end < archivio.NumEstrazioni() ? riga.end : archivio.NumEstrazioni();
    for (int d = riga.inizio; d <= ultima; ++d)
        for (int w = 1; w <= NumRuote; ++w)
            if (ruote[w - 1]) numeri |= archivio.NumeriRuota(d, w);
    return numeri;
}

}  // namespace quorvane
