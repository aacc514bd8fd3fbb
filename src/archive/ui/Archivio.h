#pragma once
// The archive window `archivio`: the current draw in 55 boxes, the draw calendar, the list of
// stored draws, the update from file, from the program's server and from the official historical
// file, the entry, correction and deletion of a draw, and the exports to other programs' formats.
// It is the only writer of EstrazioniLotto; after every write it reloads the archive.
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "archive/ControlloAggiornamento.h"
#include "archive/FileAggiornamento.h"
#include "archive/InserimentoEstrazione.h"
#include "archive/SorgenteAggiornamento.h"
#include "core/ArchivioEstrazioni.h"

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QTabWidget;

namespace quorvane {

class CasellaNumero;
class FinestraPrincipale;
using Container = FinestraPrincipale;  // the main window's old name
class DatabaseArchivio;
class Sessione;
class VistaGriglia;

class Archivio : public QWidget {
    Q_OBJECT
public:
    static constexpr int ArgomentoHelp = 320;
    static inline const QString NomeArchivioStorico = QStringLiteral("ArchivioLotto.db");

    explicit Archivio(Container& container, QWidget* padre = nullptr);

    // Reloads the whole archive in memory; false, with a message, when it failed. The window
    // follows the reload as every window does, through the session's announcement.
    bool CaricaArchivioExNovo();
    // Reads the stored draws again, for the list.
    void CaricaGrigliaArchivio();
    // The summary labels, and the newest draw shown.
    void AggiornaRiepilogoArchivio();
    void CaricaTabellaArchivio();
    int EstrazioneCorrente() const { return estrazioneCorrente_; }

    // Tab "Aggiornamenti".
    void AGGIORNA_DA_FILE();
    void IMPORTA_ARCHIVIO_STORICO();
    // The official file from the address of IndirizzoArchivioUfficiale, checked as an import.
    void SCARICA_ARCHIVIO_UFFICIALE();
    void AGGIORNAMENTO();
    // Shows the rows in FgImporta and checks them against the archive being updated.
    void ConfrontoAggiornamento(std::vector<RigaAggiornamento> righe);
    // The update file from the program's server, kept as Estr_Agg.txt in the data folder.
    void CONTROLLO_AGGIORNAMENTI();
    void SCARICO_FILE();
    QString copiaAggiornamento() const;

    // Tab "Salvataggi": the site address and the exports.
    void COLLEGA_AL_SITO();
    void RENDE_PREDEFINITO();
    void indirizzoArchivioUfficialePredefinito();
    void SALVA_DATI_III();
    void SALVA_ZENDRAVOLTA();
    void SALVA_NAZIONALE();
    void RENDE_PREDEFINITA();

    // Tab "Gestione estrazioni".
    void SALVA_ESTRAZIONE();
    void MODIFICA_ESTRAZIONE();
    void ELIMINA_ESTRAZIONE();
    void INCOLLA_ESTRAZIONE();
    // The draw calendar of the year chosen in Combo1.
    void Carica_calendario();

private:
    QWidget* creaGestione();
    QWidget* creaElenco();
    QWidget* creaSalvataggi();
    QWidget* creaAggiornamenti();
    QWidget* creaScarico(QWidget* padre);
    QWidget* creaCalendario();
    QWidget* pulsanteHelp(const char* nome, QWidget* padre);

    void archivioRicaricato();
    void mostraRiepilogo();
    void impostaSlider(int valore);
    void cambioSlider(int valore);
    void ricercaPerIndice();
    void ricercaPerData();
    void cliccaIndice();
    void selezioneEstrazione();
    void cliccaCalendario(int riga, int colonna);
    bool scaricaCopia(QString* errore);
    // The official file's rows into FgImporta and their check; over the demonstration archive,
    // after confirmation, aimed at a new archive. A read error is shown after `nonRiuscito`.
    void confrontaStorico(EsitoSorgente letto, const QString& titolo, const QString& nonRiuscito);
    // Writes one export of the whole archive with progress; false, with a message, on failure.
    bool esporta(const QString& file, std::string (*formato)(const ArchivioEstrazioni&, const Avanzamento&),
                 const QString& titolo);
    void salvaParametro(const QString& nome, const QString& valore);
    void impostaCalendario(const Data& data);
    Data dataCalendario() const;
    TestiCaselle testiCaselle() const;
    // The boxes as wheel texts; an Italian message and nothing when they cannot be stored.
    std::optional<std::array<std::string, NumRuote>> ruoteDaSalvare();
    void svuotaImporta();
    void avanzamento(int valore, int massimo);
    void avanzamentoScarico(qint64 ricevuti, qint64 totali);
    void messaggioErrore(const QString& titolo, const QString& testo);
    std::unique_ptr<DatabaseArchivio> apriArchivio(const QString& titolo);
    QString archivioDaAggiornare() const;

    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    Container& container_;
    Sessione& sessione_;
    int estrazioneCorrente_ = 0;

    QTabWidget* tab_;
    std::array<CasellaNumero*, NumCaselle> txtin_{};
    QScrollBar* hScrestrazione_;
    QLabel* pAN_DC_;
    QLabel* lblEstrazione_;
    QLabel* label2_;
    QLabel* lblAggiornato_;
    QLabel* labelPM_;
    QLabel* labelPA_;
    QCalendarWidget* monthView1_;
    QLineEdit* text1_;
    VistaGriglia* fgDB_;
    QLabel* label9_;
    VistaGriglia* fgImporta_;
    QListWidget* list4_;
    QCheckBox* check3_;
    QLabel* label5_;
    QLineEdit* text2_;
    QLineEdit* txtArchivioUfficiale_;
    QLabel* label13_;
    QComboBox* combo1_;
    QCheckBox* check2_;
    VistaGriglia* fg1_;

    // The rows of FgImporta and the result of their check: what AGGIORNAMENTO writes.
    std::vector<RigaAggiornamento> righeImporta_;
    quorvane::ControlloAggiornamento controllo_;
    // Where AGGIORNAMENTO writes when it is not the archive in use: the new archive that
    // receives the official historical file in place of the demonstration one.
    QString nuovoArchivio_;
};

}  // namespace quorvane
