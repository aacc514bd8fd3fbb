#pragma once
// The index analysis window: the end of the model period, the options, the model draws with
// their windows, the delays, the elaborations, the forecast list with its verification, the
// number board and the memo of formations. The method itself is the engine's MetodoIndice;
// each part of the window is a page, and the window carries what one page does to another.
#include <QWidget>
#include <cstdint>

#include "index/MetodoIndice.h"
#include "index/TavolaNumeri.h"
#include "index/ui/ContestoIndice.h"
#include "index/ui/ControlliIndice.h"

class QLabel;
class QProgressBar;
class QTabWidget;

namespace quorvane {

class PaginaConfigurazioni;
class PaginaCoppie;
class PaginaFormazioni;
class PaginaMemo;
class PaginaModello;
class PaginaPeriodo;
class PaginaPrevisioni;
class PaginaRitardi;
class PaginaRuote;
class PaginaSelezione;
class Sessione;

class FinestraIndice : public QWidget {
    Q_OBJECT
public:
    static constexpr int ArgomentoHelp = ArgomentoHelpIndice;

    FinestraIndice(Sessione& sessione, QProgressBar* avanzamento, QWidget* padre = nullptr);
    ~FinestraIndice() override;

    const AnalisiIndice& analisi() const { return metodo_.analisi; }
    const MetodoIndice& metodo() const { return metodo_; }
    const TavolaNumeri& tavola() const { return tavola_; }
    // Makes the random search repeatable (the window seeds it from the clock).
    void semina(std::uint64_t seme) { metodo_.semina(seme); }

private:
    void collegaPagine();
    void leggiOpzioniBase();
    void leggiOpzioniElaborazione();
    AnalisiIndice opzioniCorrenti() const;
    // After "RICAVA BASE DATI": the pairs, and when model draws were found all built on them.
    void baseDatiRicavata(bool trovate);
    // The list, and the model table and delays that show what it covers.
    void mostraPrevisioni();
    void mostraSelezione();
    void aggiungiCoppia(int primo, int secondo);
    void cercaNumeroConMaggioreAbbinamento();
    // The archive was reloaded: what still holds stays, the rest is redone, and the window says so.
    void archivioRicaricato();
    // The analysis and the forecast list of the program database: taken up when the window
    // opens, written at every change of the list.
    void riprendiLavoro();
    void salvaLavoro();
    // The message line: a warning in red (empty hides it), news of the draws in green.
    void avvisa(const QString& testo);
    void informa(const QString& testo);

    Sessione& sessione_;
    MetodoIndice metodo_;
    TavolaNumeri tavola_;
    ContestoIndice contesto_;

    PaginaPeriodo* periodo_;
    PaginaRuote* ruote_;
    PaginaModello* modello_;
    PaginaSelezione* selezione_;
    PaginaFormazioni* formazioni_;
    PaginaCoppie* coppie_;
    PaginaConfigurazioni* configurazioni_;
    PaginaRitardi* ritardi_;
    PaginaMemo* memo_;
    PaginaPrevisioni* previsioni_;
    QTabWidget* schedeElaborazioni_;  // SSTab1
    // The message line: what a reload of the archive did to the analysis, or why an elaboration
    // has nothing to offer, until the next action.
    QLabel* avvisoArchivio_;
};

}  // namespace quorvane
