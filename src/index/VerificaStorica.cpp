#include "index/VerificaStorica.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <mutex>
#include <thread>

#include "index/CasoStorico.h"
#include "index/MetodoIndice.h"
#include "index/Probabilita.h"
#include "index/StrategieStoriche.h"

namespace quorvane {

namespace {

// Thrown from the search's progress calls to leave a point as soon as the run is cancelled.
struct Annullato {};

int ruoteInGioco(const AnalisiIndice& a) {
    return static_cast<int>(std::count(a.ruoteInGioco.begin(), a.ruoteInGioco.end(), true));
}

// The forecasts of point t, built from draws 1..t only.
std::vector<Previsione> previsioniPunto(MetodoIndice& metodo, const OpzioniStoriche& o, int t,
                                        const Avanzamento& controllo) {
    metodo.analisi = o.analisi;
    metodo.analisi.EstrazioneSelezionata = t;
    metodo.analisi.fineAllaSelezionata = true;
    if (!metodo.RicavaBaseDati()) return {};
    if (o.metodo == MetodoStorico::Ciclo) {
        metodo.CicloCopertura(controllo);
        return metodo.analisi.previsioni;
    }
    metodo.Modalita2(controllo);
    if (metodo.formazioni.empty()) return {};
    return {previsioneDaFormazione(metodo.formazioni[0], metodo.analisi.SorteElaborazione)};
}

// The numbers played with `sorte` on draws t+1 .. t+NumeroColpi until their first hit.
GiocataStorica gioca(int sorte, const Maschera90& numeri, int t, const AnalisiIndice& a,
                     const ArchivioEstrazioni& archivio) {
    GiocataStorica g;
    g.punto = t;
    g.sorte = sorte;
    numeri.perOgni([&](int n) { g.numeri.push_back(n); });
    const int quanti = numeri.conta();
    const int ruote = ruoteInGioco(a);
    const double mancataRuota = 1 - probabilitaRuota(quanti, sorte);
    const double resa = resaAttesa(sorte);
    double mancata = 1;
    for (int d = t + 1; d <= t + a.NumeroColpi; ++d) {
        int estratte = 0;  // wheels in play drawn in d
        for (int w = 1; w <= NumRuote; ++w) estratte += a.ruoteInGioco[w - 1] && !archivio.NumeriRuota(d, w).vuota();
        mancata *= std::pow(mancataRuota, estratte);
        g.estrazioniRuota += estratte;
        // No stake where no wheel in play is drawn: there is nothing to play on.
        if (g.colpo != 0 || estratte == 0) continue;
        ++g.puntata;
        g.vincitaAttesa += resa * estratte / ruote;
        for (int w = 1; w <= NumRuote; ++w) {
            if (!a.ruoteInGioco[w - 1]) continue;
            const int presi = (archivio.NumeriRuota(d, w) & numeri).conta();
            if (presi < sorte) continue;
            g.colpo = d - t;
            g.vincita += vincitaRuota(quanti, sorte, presi, ruote);
            if (!g.presi.empty()) g.presi += " / ";
            g.presi += SiglaRuota[w];
            for (int k = 1; k <= NumPosizioni; ++k) {
                const int n = archivio.Estratti(d, w, k);
                if (numeri.contiene(n)) g.presi += ' ' + std::to_string(n);
            }
        }
    }
    g.probabilita = 1 - mancata;
    return g;
}

// Whether any wheel in play is drawn in t+1 .. t+NumeroColpi.
bool finestraConEstrazioni(const AnalisiIndice& a, const ArchivioEstrazioni& archivio, int t) {
    for (int d = t + 1; d <= t + a.NumeroColpi; ++d)
        for (int w = 1; w <= NumRuote; ++w)
            if (a.ruoteInGioco[w - 1] && !archivio.NumeriRuota(d, w).vuota()) return true;
    return false;
}

std::optional<std::string> erroreIndice(const AnalisiIndice& a) {
    if (a.Presenze < AnalisiIndice::PresenzeMinime || a.Presenze > AnalisiIndice::PresenzeMassime)
        return "Le presenze devono essere tra " + std::to_string(AnalisiIndice::PresenzeMinime) + " e " +
               std::to_string(AnalisiIndice::PresenzeMassime) + ".";
    if (a.Mensile < 0 || a.Mensile > 31) return "L'estrazione del mese deve essere U o tra 1 e 31.";
    if (a.QuantitaNumeri < 1 || a.QuantitaNumeri > Previsione::MaxNumeri)
        return "La quantità di numeri deve essere tra 1 e " + std::to_string(Previsione::MaxNumeri) + ".";
    if (a.SorteElaborazione == 3 && a.QuantitaNumeri < 3) return "Per il terno servono almeno 3 numeri.";
    if (a.Capogioco < 0 || a.Capogioco > NumeroMassimo) return "Il capogioco deve essere tra 1 e 90.";
    return std::nullopt;
}

std::optional<std::string> erroreStrategia(const OpzioniStoriche& o) {
    const std::string massimo = std::to_string(Previsione::MaxNumeri);
    if (o.ruotaLetta < 1 || o.ruotaLetta > NumRuote || !o.analisi.ruoteInGioco[o.ruotaLetta - 1])
        return "La ruota letta dalla strategia deve essere in gioco.";
    int numeri = 1;
    if (o.strategia == Strategia::AmboRitardatario) numeri = 2;
    if (o.strategia == Strategia::Frequenti) {
        if (o.quanti < 1 || o.quanti > Previsione::MaxNumeri)
            return "I numeri più frequenti da giocare devono essere tra 1 e " + massimo + ".";
        if (o.finestra < 1 || o.finestra > OpzioniStoriche::FinestraMassima)
            return "La finestra dei numeri frequenti deve essere tra 1 e " +
                   std::to_string(OpzioniStoriche::FinestraMassima) + " estrazioni.";
        numeri = o.quanti;
    }
    if (o.strategia == Strategia::Fissi) {
        const int n = static_cast<int>(o.numeri.size());
        if (n < 1 || n > Previsione::MaxNumeri) return "I numeri fissi devono essere da 1 a " + massimo + ".";
        for (int i = 0; i < n; ++i) {
            if (o.numeri[i] < 1 || o.numeri[i] > NumeroMassimo) return "I numeri devono essere tra 1 e 90.";
            if (std::count(o.numeri.begin(), o.numeri.begin() + i, o.numeri[i]))
                return "Il numero " + std::to_string(o.numeri[i]) + " è ripetuto.";
        }
        numeri = n;
    }
    if (o.strategia == Strategia::Metodo)
        return o.metodoProprio ? std::nullopt : std::optional<std::string>("Nessun metodo da provare.");
    const bool conSorte = o.strategia == Strategia::Frequenti || o.strategia == Strategia::Fissi;
    if (conSorte && (sorteGiocata(o) < 1 || sorteGiocata(o) > std::min(numeri, NumPosizioni)))
        return "La sorte non può superare i numeri giocati (" + std::to_string(numeri) + ").";
    return std::nullopt;
}

RiepilogoStorico riassumi(const std::vector<GiocataStorica>& giocate, int punti, int senzaEstrazioni) {
    RiepilogoStorico r;
    r.punti = punti;
    r.senzaEstrazioni = senzaEstrazioni;
    r.giocate = static_cast<int>(giocate.size());
    for (const GiocataStorica& g : giocate) {
        r.vincite += g.colpo != 0;
        r.attese += g.probabilita;
        r.varianza += g.probabilita * (1 - g.probabilita);
        r.puntata += g.puntata;
        r.incasso += g.vincita;
        r.incassoAtteso += g.vincitaAttesa;
    }
    return r;
}

EsitoStorico concludi(EsitoStorico esito, const OpzioniStoriche& o, std::size_t punti, int senzaEstrazioni) {
    esito.riepilogo = riassumi(esito.giocate, static_cast<int>(punti), senzaEstrazioni);
    aggiungiP(esito.riepilogo, esito.giocate, o.seme);
    return esito;
}

// The strategies other than the index choose in one pass over the draws: cheap, so no threads.
EsitoStorico giocaStrategia(const OpzioniStoriche& o, const ArchivioEstrazioni& archivio, const std::vector<int>& punti,
                            int senzaEstrazioni) {
    const std::vector<Previsione> scelte = sceltePunti(o, archivio, punti);
    EsitoStorico esito;
    for (std::size_t i = 0; i < punti.size(); ++i)
        esito.giocate.push_back(gioca(scelte[i].sorte, scelte[i].maschera(), punti[i], o.analisi, archivio));
    return concludi(std::move(esito), o, punti.size(), senzaEstrazioni);
}

// The player's method chooses, in one thread (a run of the comparison is one of many); each play
// is judged on its own wheels.
EsitoStorico giocaMetodo(const OpzioniStoriche& o, const ArchivioEstrazioni& archivio, const std::vector<int>& punti,
                         const std::atomic<bool>* annulla, int senzaEstrazioni) {
    SceltePunti scelte = o.metodoProprio->scegli(
        {archivio, punti, o.analisi.ruoteInGioco, o.ruotaLetta, o.parametri, o.seme, annulla});
    EsitoStorico esito;
    esito.registro = std::move(scelte.registro);
    if (scelte.annullato) {
        esito.annullato = true;
        return esito;
    }
    AnalisiIndice analisi = o.analisi;
    for (std::size_t i = 0; i < punti.size(); ++i) {
        if (!scelte.perPunto[i]) continue;
        const SceltaMetodo& s = *scelte.perPunto[i];
        analisi.ruoteInGioco = s.ruote;
        Maschera90 numeri;
        for (int n : s.numeri) numeri.aggiungi(n);
        esito.giocate.push_back(gioca(s.sorte, numeri, punti[i], analisi, archivio));
    }
    return concludi(std::move(esito), o, punti.size(), senzaEstrazioni);
}

}  // namespace

std::optional<double> RiepilogoStorico::z() const {
    if (varianza <= 0) return std::nullopt;
    return (vincite - attese) / std::sqrt(varianza);
}

OpzioniStoriche periodoPredefinito(OpzioniStoriche o, const ArchivioEstrazioni& archivio) {
    o.al = archivio.NumEstrazioni();
    o.dal = 1;
    if (o.al < 1) return o;
    Data limite = archivio.DataEstrazione(o.al);
    limite.anno -= 20;
    while (o.dal < o.al && archivio.DataEstrazione(o.dal) <= limite) ++o.dal;
    return o;
}

std::vector<int> puntiStorici(const OpzioniStoriche& o, const ArchivioEstrazioni& archivio, int* senzaEstrazioni) {
    std::vector<int> punti;
    int saltati = 0;
    const int colpi = o.analisi.NumeroColpi;
    const int ultimo = std::min(o.al, archivio.NumEstrazioni()) - colpi;
    int precedente = 0;  // the last point, played or left out
    for (int t = std::max(o.dal, 1); t <= ultimo; ++t) {
        if (precedente > 0 && t < precedente + colpi) continue;  // the previous play is still running
        if (o.strategia == Strategia::Indice && !eEstrazioneModello(o.analisi, archivio, t)) continue;
        precedente = t;
        if (finestraConEstrazioni(o.analisi, archivio, t)) punti.push_back(t);
        else ++saltati;
    }
    if (senzaEstrazioni) *senzaEstrazioni = saltati;
    return punti;
}

std::optional<std::string> erroreStorico(const OpzioniStoriche& o, const ArchivioEstrazioni& archivio) {
    const AnalisiIndice& a = o.analisi;
    const int n = archivio.NumEstrazioni();
    if (n < 1) return "L'archivio non contiene estrazioni.";
    if (o.dal < 1 || o.al > n || o.dal > n || o.al < 1)
        return "Il periodo deve stare tra l'estrazione 1 e l'estrazione " + std::to_string(n) + ".";
    if (o.al < o.dal)
        return "La fine del periodo (" + std::to_string(o.al) + ") precede l'inizio (" + std::to_string(o.dal) + ").";
    if (ruoteInGioco(a) == 0) return "Nessuna ruota in gioco: scegliere almeno una ruota.";
    if (a.NumeroColpi < 1 || a.NumeroColpi > AnalisiIndice::ColpiMassimi)
        return "I colpi devono essere tra 1 e " + std::to_string(AnalisiIndice::ColpiMassimi) + ".";
    if (o.strategia != Strategia::Indice) {
        if (auto errore = erroreStrategia(o)) return errore;
    } else if (auto errore = erroreIndice(a)) {
        return errore;
    }
    int senzaEstrazioni = 0;
    if (puntiStorici(o, archivio, &senzaEstrazioni).empty()) {
        if (senzaEstrazioni > 0)
            return "Nessuna estrazione delle ruote in gioco nei colpi dopo i punti del periodo (punti senza "
                   "estrazioni sulle ruote in gioco: " +
                   std::to_string(senzaEstrazioni) + "): nulla da giocare.";
        return "Nessun punto nel periodo seguito da " + std::to_string(a.NumeroColpi) + " colpi entro la sua fine.";
    }
    return std::nullopt;
}

EsitoStorico VerificaStorica(const OpzioniStoriche& o, const ArchivioEstrazioni& archivio,
                             const std::atomic<bool>* annulla, const AvanzamentoStorico& avanzamento, int thread) {
    int senzaEstrazioni = 0;
    const std::vector<int> punti = puntiStorici(o, archivio, &senzaEstrazioni);
    const int quanti = static_cast<int>(punti.size());
    if (o.strategia == Strategia::Metodo) return giocaMetodo(o, archivio, punti, annulla, senzaEstrazioni);
    if (o.strategia != Strategia::Indice) return giocaStrategia(o, archivio, punti, senzaEstrazioni);
    std::vector<std::vector<GiocataStorica>> perPunto(punti.size());
    std::atomic<int> prossimo{0};
    std::atomic<bool> interrotto{false};
    std::mutex mutex;  // guards fatti, errore and the progress calls
    int fatti = 0;
    std::exception_ptr errore;
    auto annullato = [&] { return annulla && annulla->load(std::memory_order_relaxed); };

    auto lavora = [&] {
        try {
            // Each worker has its own archive and analysis: the method writes the wheels in play
            // into the archive it reads.
            ArchivioEstrazioni copia = archivio;
            MetodoIndice metodo(copia);
            const Avanzamento controllo = [&](int, int) {
                if (annullato()) throw Annullato{};
            };
            for (int i; !interrotto && (i = prossimo++) < quanti;) {
                if (annullato()) throw Annullato{};
                for (const Previsione& p : previsioniPunto(metodo, o, punti[i], controllo))
                    perPunto[i].push_back(gioca(p.sorte, p.maschera(), punti[i], o.analisi, copia));
                std::lock_guard blocco(mutex);
                ++fatti;
                if (avanzamento) avanzamento(fatti, quanti);
            }
        } catch (const Annullato&) {
            interrotto = true;
        } catch (...) {
            interrotto = true;
            std::lock_guard blocco(mutex);
            if (!errore) errore = std::current_exception();
        }
    };

    unsigned int numero = thread > 0 ? static_cast<unsigned int>(thread)
                                     : std::max(1u, std::thread::hardware_concurrency());
    numero = std::min(numero, static_cast<unsigned int>(std::max(quanti, 1)));
    std::vector<std::thread> lavoratori;
    for (unsigned int k = 1; k < numero; ++k) lavoratori.emplace_back(lavora);
    lavora();
    for (std::thread& t : lavoratori) t.join();
    if (errore) std::rethrow_exception(errore);

    EsitoStorico esito;
    if (interrotto) {
        esito.annullato = true;
        return esito;
    }
    for (auto& giocate : perPunto)
        for (GiocataStorica& g : giocate) esito.giocate.push_back(std::move(g));
    return concludi(std::move(esito), o, punti.size(), senzaEstrazioni);
}

}  // namespace quorvane
