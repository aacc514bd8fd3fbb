#pragma once
// The index method as the window runs it: the analysis with its options and model draws, the
// formation table, the pair coverage, the forecast list and the verification, and every command
// that changes them. The window and the command line both drive this object.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "index/AnalisiIndice.h"
#include "index/Copertura.h"
#include "index/Formazione.h"
#include "index/Modalita1.h"
#include "index/Ritardi.h"
#include "index/TabelleConteggio.h"
#include "index/Verifica.h"

namespace quorvane {

// The play that "Aggiunge previsione" makes of a formation: a single number is an ambata,
// otherwise the sorte of the elaboration.
Previsione previsioneDaFormazione(const Formazione& formazione, int sorteElaborazione);

// The play of the number board: `numeri` in order, at most eight.
Previsione previsioneDaNumeri(int sorte, const std::vector<int>& numeri);

// Why `sorte` cannot be played with `quanti` numbers (a sorte is 1..5 and no more than the
// numbers), in Italian; nothing when it can. 0 stands for a text that is no number.
std::optional<std::string> erroreSorte(int sorte, int quanti);

// Why no forecast can join a full list (the command line's words, also the window's).
std::string testoListaPiena();

// What a reload of the archive did to the analysis.
enum class EsitoRicarica {
    Tenuta,   // the draws it read are unchanged: kept as it was
    Rifatta,  // redone with the same options at the draw nearest by date to its end draw
    Vuota,    // no analysis before, or none possible now
};

// The draws a reload added after the windows of a kept analysis (tonight's draw, usually):
// the windows of play that took them in and the forecasts that came out in them.
struct NuoveEstrazioni {
    int prima = 0;  // first and last draw added (0: none)
    int ultima = 0;
    int finestreEstese = 0;  // model rows whose window grew
    int vincenti = 0;        // active forecasts that came out in a grown window on a wheel in play
};

// What the window says of them: "Estrazione del 22/08/2026 verificata: 1 previsione vincente";
// empty when no draw was added.
std::string testoNuoveEstrazioni(const NuoveEstrazioni& nuove, const ArchivioEstrazioni& archivio);

class MetodoIndice {
public:
    explicit MetodoIndice(const ArchivioEstrazioni& archivio, std::uint64_t seme = 1)
        : archivio_(archivio), caso_(seme) {}

    AnalisiIndice analisi;
    std::vector<Formazione> formazioni;   // Fg_CC
    std::vector<CoperturaCoppia> coppie;  // Fg9090
    TabellaRitardi ritardi{};             // FgRit
    ContatoriVerifica contatori;

    const ArchivioEstrazioni& archivio() const { return archivio_; }
    void semina(std::uint64_t seme) { caso_.semina(seme); }

    // "RICAVA BASE DATI". False when no model draw was found (the table and the pair coverage
    // are then empty and the rest is left as it was). The forecast list is emptied, or with
    // `tieniPrevisioni` credited and verified again on the new model draws.
    bool RicavaBaseDati(bool tieniPrevisioni = false);
    // Takes up the work of an earlier session: the options and wheels of `opzioni`, the model
    // draws found again at the draw of `data` (the nearest by date when the archive lacks it),
    // and `lista` credited and verified on them. False when no model draw is found: the list
    // then stays unverified.
    bool Riprendi(const AnalisiIndice& opzioni, const Data& data, std::vector<Previsione> lista);
    // "ELABORA": the pair coverage.
    void Elabora(const Avanzamento& avanzamento = {});
    // "Elaborazione modalità 1" and "modalità 2"; the formation table, or the single-number
    // table when N = 1. A terno with N < 3 changes nothing.
    void Modalita1(const Avanzamento& avanzamento = {});
    void Modalita2(const Avanzamento& avanzamento = {});

    // "Aggiunge previsione" from a row of the formation table (0-based); false when refused.
    bool AggiungiFormazione(int indice);
    // The covering cycle: the best formation of mode 2 joins the list until every model row
    // is covered or the list is full.
    void CicloCopertura(const Avanzamento& avanzamento = {});
    // "Aggiunge previsione" from the number board; false when refused.
    bool AggiungiDaTavola(int sorte, const std::vector<int>& numeri);
    // "Aggiunge previsione" from a pair: two single-number forecasts.
    void AggiungiCoppia(int a, int b);
    // "Rimuove riga selezionata" (0-based row of the list).
    void Rimuovi(int indice, const Avanzamento& avanzamento = {});
    // "Azzera la grid delle previsioni".
    void Azzera();
    // "Visualizza sfaldamenti", with the wheels of the board and the delays refreshed.
    void VisualizzaSfaldamenti();

    bool listaPiena() const { return static_cast<int>(analisi.previsioni.size()) >= AnalisiIndice::MaxPrevisioni; }
    // The row (1-based) of the list that holds a forecast of the same numbers and sorte; 0 when none.
    int rigaInLista(const Previsione& previsione) const;
    // The sorte of list row `indice` (0-based) changed; every forecast is credited again in
    // list order, so that "Esiti" and "ET" agree. False, and nothing changed, when erroreSorte
    // refuses it.
    bool CambiaSorte(int indice, int sorte);

    // The archive was reloaded (every reload must be reported here). The forecast list always
    // stays and is credited and verified again; the analysis stays when the draws it read are
    // the same, else it is redone with the same options at the draw nearest by date to its end
    // draw (formations and pairs, built on the old model draws, are emptied). A kept analysis
    // takes draws added after it into the windows of play that had room (nuoveEstrazioni).
    EsitoRicarica seguiArchivio();
    // What the last seguiArchivio added to the windows of play.
    const NuoveEstrazioni& nuoveEstrazioni() const { return nuove_; }
    // The end draw of the model draws shown (0 when none).
    int fineAnalisi() const { return analisi.modello.empty() ? 0 : fine_; }

    // Empties the model draws and everything built on them, as a new "RICAVA BASE DATI" would
    // need: the archive under the analysis has changed.
    void Svuota();

private:
    // Every command starts here: an analysis whose draws the archive no longer holds (it shrank
    // under it) is emptied, so that no stale draw index reaches the tables.
    void controllaArchivio();
    void accredita(Previsione previsione);
    // The rows won by the forecast among the uncovered ones (RuoteSel as it is), into "Esiti"
    // and "Pr"; the forecast joins the list.
    void credita(Previsione previsione);
    // Every forecast credited again in list order, each as it was when added (active).
    void riaccredita();
    // The last draw the analysis read: its end draw or the end of its most recent window.
    int ultimaLetta() const;
    void formazioniSingole();
    void aggiornaRitardi();
    // The windows of play follow the archive up to its last draw (unless "Fine ricerca" holds
    // them at the selected draw); the draws they take in are counted in nuove_.
    void estendiFinestre();

    const ArchivioEstrazioni& archivio_;
    GeneratoreCasuale caso_;
    TabelleConteggio tabelle_;
    // Fingerprints of the archive the analysis was built on (improntePrefissi), and the end draw
    // of the analysis with its date (the selected draw may move on since).
    std::vector<std::uint64_t> impronte_;
    int fine_ = 0;
    Data dataFine_;
    NuoveEstrazioni nuove_;
};

}  // namespace quorvane
