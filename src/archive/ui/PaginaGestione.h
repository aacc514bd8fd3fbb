#pragma once
// Page "Gestione estrazioni": the current draw in 55 boxes with its place in the archive, the
// navigation among the draws, the date chosen on the calendar, the draw calendar of a year,
// and the entry, correction and deletion of a draw.
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "archive/InserimentoEstrazione.h"
#include "core/Data.h"

class QCalendarWidget;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace quorvane {

class CasellaNumero;
class FinestraPrincipale;
class DatabaseArchivio;
class RiquadroCalendario;
class Sessione;

class PaginaGestione : public QWidget {
    Q_OBJECT
public:
    explicit PaginaGestione(FinestraPrincipale& principale, QWidget* padre = nullptr);

    int estrazioneCorrente() const { return estrazioneCorrente_; }
    RiquadroCalendario& calendario() { return *calendario_; }

    // After a reload: the summary, the current draw (kept when it still exists), the calendar.
    void seguiArchivio();
    // The summary labels, and the newest draw shown.
    void aggiornaRiepilogoArchivio();
    // A draw chosen in the list of stored draws, with its date text.
    void mostraEstrazioneScelta(int estrazione, const QString& data);

    void salvaEstrazione();
    void modificaEstrazione();
    void eliminaEstrazione();
    void incollaEstrazione();

signals:
    // A save or a correction was made or tried: update rows checked against the archive as it
    // was are no longer good.
    void scritturaFinita();

private:
    QLayout* creaEstrazioneCorrente();
    QLayout* creaDataEComandi();
    void mostraRiepilogo();
    void impostaSlider(int valore);
    void cambioSlider(int valore);
    // The current draw in the boxes, with its month and year progressives.
    void mostraEstrazione();
    void ricercaPerIndice();
    void ricercaPerData();
    void cliccaIndice();
    void sceltaGiorno(int estrazione, const Data& data);
    void impostaCalendario(const Data& data);
    Data dataCalendario() const;
    TestiCaselle testiCaselle() const;
    // The boxes as wheel texts; an Italian message and nothing when they cannot be stored.
    std::optional<std::array<std::string, NumRuote>> ruoteDaSalvare();
    std::unique_ptr<DatabaseArchivio> apriArchivio(const QString& titolo);

    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    FinestraPrincipale& principale_;
    Sessione& sessione_;
    int estrazioneCorrente_ = 0;
    std::string dataCorrente_;  // of estrazioneCorrente_, as stored: found again after a reload

    std::array<CasellaNumero*, NumCaselle> caselle_{};  // txtin_1 .. txtin_55
    QScrollBar* sceltaEstrazione_;                      // HScrestrazione
    QGroupBox* riquadroCorrente_;                       // the draw shown, or the one being entered
    bool inInserimento_ = false;                        // the boxes hold a pasted draw, not the current one
    QLabel* etichettaIndice_;                           // pAN_DC: a click asks for an index
    QLabel* etichettaData_;                             // LBLESTRAZIONE: shows dataCorrente_
    QLabel* etichettaNumEstrazioni_;                    // Label2
    QLabel* etichettaAggiornato_;                       // LBLAGGIORNATO
    QLabel* etichettaMensile_;                          // LabelPM
    QLabel* etichettaAnnuale_;                          // LabelPA
    QCalendarWidget* calendarioData_;                   // MonthView1: the date a save stores
    QLineEdit* dataSelezionata_;                        // Text1
    RiquadroCalendario* calendario_;
};

}  // namespace quorvane
