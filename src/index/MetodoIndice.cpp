#include "index/MetodoIndice.h"

#include <algorithm>
#include <utility>

#include "core/SceltaEstrazione.h"
#include "index/FinestreModello.h"
#include "index/ImprontaArchivio.h"
#include "index/Modalita2.h"

namespace quorvane {

Previsione previsioneDaFormazione(const Formazione& f, int sorteElaborazione) {
    Previsione p;
    p.sorte = f.numeri.size() == 1 ? 1 : sorteElaborazione == 2 ? 2 : 3;
    for (std::size_t i = 0; i < f.numeri.size() && i < p.numeri.size(); ++i) p.numeri[i] = f.numeri[i];
    return p;
}

Previsione previsioneDaNumeri(int sorte, const std::vector<int>& numeri) {
    Previsione p;
    p.sorte = sorte;
    for (std::size_t i = 0; i < numeri.size() && i < p.numeri.size(); ++i) p.numeri[i] = numeri[i];
    return p;
}

std::string testoListaPiena() {
    return "l'elenco delle previsioni è pieno (" + std::to_string(AnalisiIndice::MaxPrevisioni) + " righe).";
}

std::optional<std::string> erroreSorte(int sorte, int quanti) {
    const int massima = std::min(quanti, 5);
    const std::string ammesse = massima <= 1 ? "la sorte può essere solo 1"
                                             : "la sorte va da 1 a " + std::to_string(massima);
    if (sorte >= 1 && sorte <= 5 && sorte > quanti)
        return "Una previsione di " + std::to_string(quanti) + (quanti == 1 ? " numero" : " numeri") +
               " non può avere sorte " + std::to_string(sorte) + ": " + ammesse + ".";
    if (sorte < 1 || sorte > 5) return "Sorte non valida: " + ammesse + ".";
    return std::nullopt;
}

bool MetodoIndice::RicavaBaseDati(bool tieniPrevisioni) {
    coppie.clear();
    // The delays and verifications show the wheels on the board from the first analysis on.
    impostaRuoteInGioco(analisi);
    if (!quorvane::RicavaBaseDati(analisi, archivio_)) return false;
    if (impronte_.empty()) impronte_ = improntePrefissi(archivio_);
    fine_ = analisi.EstrazioneSelezionata;
    dataFine_ = archivio_.DataEstrazione(fine_);
    formazioni.clear();
    if (tieniPrevisioni) {
        riaccredita();
        return true;
    }
    analisi.previsioni.clear();
    analisi.coperti.reset();
    aggiornaRitardi();
    return true;
}

bool MetodoIndice::Riprendi(const AnalisiIndice& opzioni, const Data& data, std::vector<Previsione> lista) {
    Svuota();
    analisi = opzioni;
    analisi.modello.clear();
    analisi.ruoteInGioco = opzioni.RuoteSel;
    analisi.EstrazioneSelezionata = estrazionePiuVicina(archivio_, data);
    analisi.previsioni = std::move(lista);
    impronte_ = improntePrefissi(archivio_);
    const bool ripresa = RicavaBaseDati(true);
    if (!ripresa) riaccredita();
    return ripresa;
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
    credita(p);
    VisualizzaSfaldamenti();
}

void MetodoIndice::credita(Previsione p) {
    p.esiti = 0;
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
}

void MetodoIndice::riaccredita() {
    std::vector<Previsione> lista = std::move(analisi.previsioni);
    analisi.previsioni.clear();
    analisi.coperti.reset();
    contatori = {};
    for (RigaModello& r : analisi.modello) {
        r.coperta = false;
        r.pr.clear();
    }
    if (analisi.modello.empty()) {
        for (Previsione& p : lista) {
            p.esiti = 0;
            p.et.reset();
        }
        analisi.previsioni = std::move(lista);
        return;
    }
    for (Previsione p : lista) {
        p.attiva = true;
        credita(p);
        quorvane::VisualizzaSfaldamenti(analisi, archivio_, contatori);
    }
    for (std::size_t i = 0; i < lista.size(); ++i) analisi.previsioni[i].attiva = lista[i].attiva;
    aggiornaRitardi();
    quorvane::VisualizzaSfaldamenti(analisi, archivio_, contatori);
}

int MetodoIndice::rigaInLista(const Previsione& p) const {
    const auto& lista = analisi.previsioni;
    const auto uguale = std::find_if(lista.begin(), lista.end(), [&](const Previsione& q) {
        return q.sorte == p.sorte && q.maschera() == p.maschera();
    });
    return uguale == lista.end() ? 0 : static_cast<int>(uguale - lista.begin()) + 1;
}

bool MetodoIndice::CambiaSorte(int indice, int sorte) {
    controllaArchivio();
    if (indice < 0 || indice >= static_cast<int>(analisi.previsioni.size())) return false;
    Previsione& p = analisi.previsioni[indice];
    if (erroreSorte(sorte, p.quanti())) return false;
    p.sorte = sorte;
    riaccredita();
    return true;
}

int MetodoIndice::ultimaLetta() const {
    int ultima = fine_;
    for (const RigaModello& r : analisi.modello) ultima = std::max(ultima, r.end);
    return ultima;
}

std::string testoNuoveEstrazioni(const NuoveEstrazioni& nuove, const ArchivioEstrazioni& archivio) {
    if (nuove.prima == 0) return {};
    const std::string estrazioni = nuove.prima == nuove.ultima
                                       ? "Estrazione del " + archivio.DateEstrazioni(nuove.prima)
                                       : "Estrazioni dal " + archivio.DateEstrazioni(nuove.prima) + " al " +
                                             archivio.DateEstrazioni(nuove.ultima);
    if (nuove.finestreEstese == 0) return estrazioni + ": nessuna finestra di gioco aperta da verificare";
    const std::string verificate = nuove.prima == nuove.ultima ? " verificata: " : " verificate: ";
    const std::string vincenti = nuove.vincenti == 0   ? "nessuna previsione vincente"
                                 : nuove.vincenti == 1 ? "1 previsione vincente"
                                                       : std::to_string(nuove.vincenti) + " previsioni vincenti";
    return estrazioni + verificate + vincenti;
}

void MetodoIndice::estendiFinestre() {
    const int limite = analisi.FineRicerca;
    analisi.FineRicerca = analisi.calcolaFineRicerca(archivio_);
    if (analisi.FineRicerca == limite) return;
    std::vector<int> fini;
    for (const RigaModello& r : analisi.modello) fini.push_back(r.end);
    costruisciFinestre(analisi);
    if (analisi.FineRicerca < limite) return;
    nuove_.prima = limite + 1;
    nuove_.ultima = analisi.FineRicerca;
    std::vector<bool> vincente(analisi.previsioni.size(), false);
    for (std::size_t k = 0; k < analisi.modello.size(); ++k) {
        const RigaModello& r = analisi.modello[k];
        if (r.end <= fini[k]) continue;
        ++nuove_.finestreEstese;
        for (int d = std::max(fini[k] + 1, r.inizio); d <= r.end; ++d)
            for (int w = 1; w <= NumRuote; ++w) {
                if (!analisi.RuoteSel[w - 1]) continue;
                for (std::size_t i = 0; i < analisi.previsioni.size(); ++i) {
                    const Previsione& p = analisi.previsioni[i];
                    if (p.attiva && (archivio_.NumeriRuota(d, w) & p.maschera()).conta() >= p.sorte) vincente[i] = true;
                }
            }
    }
    nuove_.vincenti = static_cast<int>(std::count(vincente.begin(), vincente.end(), true));
}

EsitoRicarica MetodoIndice::seguiArchivio() {
    nuove_ = {};
    std::vector<std::uint64_t> prima = std::exchange(impronte_, improntePrefissi(archivio_));
    if (analisi.modello.empty()) {
        riaccredita();
        return EsitoRicarica::Vuota;
    }
    const auto letta = static_cast<std::size_t>(ultimaLetta());
    if (letta < prima.size() && letta < impronte_.size() && prima[letta] == impronte_[letta]) {
        // Only draws after those it read changed: the model draws are what they were, and the
        // windows of play follow the archive (tonight's draw fills them).
        analisi.EstrazioneSelezionata = fine_;
        estendiFinestre();
        riaccredita();
        return EsitoRicarica::Tenuta;
    }
    std::vector<Previsione> lista = std::move(analisi.previsioni);
    const auto ruote = analisi.RuoteSel;
    const auto inGioco = analisi.ruoteInGioco;
    analisi.EstrazioneSelezionata = estrazionePiuVicina(archivio_, dataFine_);
    // The same options: the wheels of the analysis, not the board as it is now.
    analisi.ruoteInGioco = ruote;
    const bool rifatta = RicavaBaseDati();
    analisi.ruoteInGioco = inGioco;
    if (!rifatta) {
        Svuota();
        analisi.RuoteSel = ruote;
    }
    formazioni.clear();
    analisi.previsioni = std::move(lista);
    riaccredita();
    return rifatta ? EsitoRicarica::Rifatta : EsitoRicarica::Vuota;
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
    accredita(previsioneDaNumeri(sorte, numeri));
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
