#include "index/MetodoIndice.h"

#include <algorithm>

#include "index/FinestreModello.h"
#include "index/Modalita2.h"

namespace quorvane {

Previsione previsioneDaFormazione(const Formazione& f, int sorteElaborazione) {
    Previsione p;
    p.sorte = f.numeri.size() == 1 ? 1 : sorteElaborazione == 2 ? 2 : 3;
    for (std::size_t i = 0; i < f.numeri.size() && i < p.numeri.size(); ++i) p.numeri[i] = f.numeri[i];
    return p;
}

bool MetodoIndice::RicavaBaseDati() {
    coppie.clear();
    if (!quorvane::RicavaBaseDati(analisi, archivio_)) return false;
    analisi.previsioni.clear();
    analisi.coperti.reset();
    formazioni.clear();
    aggiornaRitardi();
    return true;
}

void MetodoIndice::Svuota() {
    analisi.modello.clear();
    analisi.previsioni.clear();
    analisi.coperti.reset();
    formazioni.clear();
    coppie.clear();
    ritardi = {};
    contatori = {};
}

void MetodoIndice::controllaArchivio() {
    if (analisi.modello.empty()) return;
    if (!archivio_.contiene(analisi.EstrazioneSelezionata) || analisi.FineRicerca > archivio_.NumEstrazioni()) Svuota();
}

void MetodoIndice::aggiornaRitardi() {
    ritardi = calcolaRitardi(archivio_, analisi.EstrazioneSelezionata);
}

void MetodoIndice::Elabora(const Avanzamento& avanzamento) {
    controllaArchivio();
    impostaRuoteInGioco(analisi);
    coppie = quorvane::Elabora(analisi, archivio_, avanzamento);
}

void MetodoIndice::formazioniSingole() {
    formazioni.clear();
    for (const CoperturaNumero& c : copertureSingole(analisi, archivio_))
        formazioni.push_back({c.copertura, {c.numero}});
}

void MetodoIndice::Modalita1(const Avanzamento& avanzamento) {
    controllaArchivio();
    if (analisi.SorteElaborazione == 3 && analisi.QuantitaNumeri < 3) return;
    impostaRuoteInGioco(analisi);
    if (analisi.QuantitaNumeri == 1) {
        analisi.FineRicerca = analisi.calcolaFineRicerca(archivio_);
        formazioniSingole();
        return;
    }
    formazioni = ElaborazioneModalita1(analisi, archivio_, tabelle_, caso_, avanzamento);
}

void MetodoIndice::Modalita2(const Avanzamento& avanzamento) {
    controllaArchivio();
    if (analisi.SorteElaborazione == 3 && analisi.QuantitaNumeri < 3) return;
    impostaRuoteInGioco(analisi);
    if (analisi.QuantitaNumeri == 1) {
        formazioniSingole();
        return;
    }
    formazioni = ElaborazioneModalita2(analisi, archivio_, tabelle_, avanzamento);
}

void MetodoIndice::accredita(Previsione p) {
    // The lowest number that no row of the list shows.
    for (p.numero = 1;; ++p.numero) {
        bool libero = true;
        for (const Previsione& altra : analisi.previsioni) libero = libero && altra.numero != p.numero;
        if (libero) break;
    }
    impostaRuoteInGioco(analisi);
    const FinestreModello finestre(analisi, archivio_);
    const Maschera90 numeri = p.maschera();
    for (int k = 0; k < finestre.righe(); ++k) {
        if (!finestre.vinta(k, numeri, p.sorte)) continue;
        ++p.esiti;
        analisi.modello[finestre.rigaModello(k)].pr += std::to_string(p.numero);
    }
    analisi.previsioni.push_back(p);
    int coperti = 0;
    for (const Previsione& q : analisi.previsioni) coperti += q.esiti;
    analisi.coperti = coperti;
    VisualizzaSfaldamenti();
}

bool MetodoIndice::AggiungiFormazione(int indice) {
    controllaArchivio();
    if (indice < 0 || indice >= static_cast<int>(formazioni.size()) || listaPiena() ||
        analisi.coperti.value_or(0) == analisi.Presenze)
        return false;
    accredita(previsioneDaFormazione(formazioni[indice], analisi.SorteElaborazione));
    return true;
}

void MetodoIndice::CicloCopertura(const Avanzamento& avanzamento) {
    while (!analisi.modello.empty()) {
        Modalita2(avanzamento);
        if (formazioni.empty() || !AggiungiFormazione(0)) break;
    }
}

bool MetodoIndice::AggiungiDaTavola(int sorte, const std::vector<int>& numeri) {
    controllaArchivio();
    if (listaPiena() || numeri.empty()) return false;
    Previsione p;
    p.sorte = sorte;
    for (std::size_t i = 0; i < numeri.size() && i < p.numeri.size(); ++i) p.numeri[i] = numeri[i];
    accredita(p);
    return true;
}

void MetodoIndice::AggiungiCoppia(int a, int b) {
    controllaArchivio();
    analisi.QuantitaNumeri = 1;
    for (int n : {a, b}) {
        // The single-number table, whatever the sorte of the elaborations says.
        impostaRuoteInGioco(analisi);
        analisi.FineRicerca = analisi.calcolaFineRicerca(archivio_);
        formazioniSingole();
        auto riga = std::find_if(formazioni.begin(), formazioni.end(),
                                 [n](const Formazione& f) { return f.numeri.size() == 1 && f.numeri[0] == n; });
        if (riga != formazioni.end()) AggiungiFormazione(static_cast<int>(riga - formazioni.begin()));
    }
}

void MetodoIndice::Rimuovi(int indice, const Avanzamento& avanzamento) {
    controllaArchivio();
    if (indice < 0 || indice >= static_cast<int>(analisi.previsioni.size())) return;
    for (RigaModello& r : analisi.modello) {
        r.coperta = false;
        r.tagliata = false;
        r.pr.clear();
    }
    analisi.previsioni.erase(analisi.previsioni.begin() + indice);
    for (std::size_t i = 0; i < analisi.previsioni.size(); ++i) analisi.previsioni[i].numero = static_cast<int>(i) + 1;
    if (analisi.previsioni.empty()) {
        analisi.coperti.reset();
        return;
    }
    int coperti = 0;
    for (const Previsione& q : analisi.previsioni) coperti += q.esiti;
    analisi.coperti = coperti;
    if (coperti < analisi.Presenze) Modalita1(avanzamento);
    VisualizzaSfaldamenti();
}

void MetodoIndice::Azzera() {
    controllaArchivio();
    analisi.previsioni.clear();
    VisualizzaSfaldamenti();
}

void MetodoIndice::VisualizzaSfaldamenti() {
    controllaArchivio();
    if (analisi.modello.empty()) return;
    impostaRuoteInGioco(analisi);
    aggiornaRitardi();
    quorvane::VisualizzaSfaldamenti(analisi, archivio_, contatori);
}

}  // namespace quorvane
