// The commands of the index analysis window: period, model draws, coverage, boards and memo.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "core/Colori.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"
#include "index/Copertura.h"
#include "index/GriglieIndice.h"
#include "index/ui/Ventrallo.h"

namespace quorvane {

void Ventrallo::sceltaEstrazione(int valore) {
    if (archivio_.NumEstrazioni < 1) return;
    analisi_.EstrazioneSelezionata = valore;
    const QString data = QString::fromStdString(archivio_.DateEstrazioni(valore));
    labend_->setText(QStringLiteral("%1 del %2").arg(valore).arg(data));
    label4_->setText(QStringLiteral("%1  %2").arg(valore).arg(data));
    label7_->setText(QString::number(archivio_.ProgMese(valore)));
    riempiFga(fga_->griglia(), archivio_, valore);
    fga_->aggiorna();
}

void Ventrallo::Ultima() { hFine_->setValue(archivio_.UltimaEstrazione); }

void Ventrallo::SelezionaPerNumeroIndice() {
    auto risposta = Dialoghi::correnti().chiediTesto(this, QStringLiteral("Scelta estrazione"),
                                                     QStringLiteral("Inserire il n° indice dell'archivio modello."),
                                                     QString());
    if (!risposta) return;
    bool numero = false;
    const int indice = risposta->trimmed().toInt(&numero);
    if (numero && indice >= 1 && indice <= archivio_.UltimaEstrazione) hFine_->setValue(indice);
}

void Ventrallo::SelezionaPerData() {
    auto risposta = Dialoghi::correnti().chiediTesto(this, QStringLiteral("Ricerca per data GG/MM/AAAA"),
                                                     QStringLiteral("Data ?"), QString());
    if (!risposta) return;
    if (int indice = archivio_.cercaData(risposta->trimmed().toStdString())) {
        hFine_->setValue(indice);
        return;
    }
    Dialoghi::correnti().messaggio(this, QMessageBox::Information, QStringLiteral("Cerca data"),
                                   QStringLiteral("Data non trovata"));
}

void Ventrallo::UtilizzaQuestaEstrazioneDelMese() { comboMensile_->setCurrentIndex(label7_->text().toInt()); }

void Ventrallo::leggiOpzioni() {
    analisi_.Presenze = comboPresenze_->currentText().toInt();
    analisi_.NumeroColpi = comboC_->currentText().toInt();
    analisi_.Mensile = comboMensile_->currentIndex();
    analisi_.fineRicerca = chFine_->isChecked();
    analisi_.forzaUltima = chUltima_->isChecked();
    analisi_.QuantitaNumeri = comboN_->currentText().toInt();
    analisi_.Capogioco = comboCG_->currentIndex();
    analisi_.SorteElaborazione = option3_->isChecked() ? 2 : 3;
    analisi_.veloce = chFast_->isChecked();
}

void Ventrallo::RicavaBaseDati() {
    leggiOpzioni();
    const bool trovate = quorvane::RicavaBaseDati(analisi_, archivio_);
    fg9090_->griglia().impostaRighe(1);
    fg9090_->aggiorna();
    riempiFgV(fgV_->griglia(), analisi_, archivio_);
    fgV_->aggiorna();
    if (!trovate) return;
    fgV_->adattaColonne();

    // What was built on the previous table goes with it.
    fgZZ_->griglia().impostaRighe(1);
    fgZZ_->aggiorna();
    lblT_->clear();
    lblS_->clear();
    lblT_->setStyleSheet(QStringLiteral("QLabel { background: white; }"));
    fgCC_->griglia().impostaRighe(1);
    fgCC_->aggiorna();
    rigaFormazione_ = 0;

    riempiFgRit(fgRit_->griglia(), calcolaRitardi(archivio_, analisi_.EstrazioneSelezionata), archivio_.RuoteSel);
    fgRit_->aggiorna();
}

void Ventrallo::Elabora() {
    impostaRuoteInGioco(archivio_, analisi_);
    const auto coppie = quorvane::Elabora(analisi_, archivio_, [this](int a, int massimo) { avanza(a, massimo); });
    riempiFg9090(fg9090_->griglia(), coppie);
    fg9090_->aggiorna();
    fg9090_->adattaColonne(1);
}

void Ventrallo::avanza(int valore, int massimo) {
    if (!avanzamento_) return;
    if (avanzamento_->maximum() != massimo) avanzamento_->setMaximum(massimo);
    avanzamento_->setValue(valore);
}

void Ventrallo::mostraRuote() {
    riempiFgR(fgR_->griglia(), analisi_.ruoteInGioco);
    fgR_->aggiorna();
}

void Ventrallo::mostraTavola() {
    riempiFg90(fg90_->griglia(), tavola_);
    fg90_->aggiorna();
}

void Ventrallo::clicFormazione(int riga) {
    Griglia& g = fgCC_->griglia();
    if (riga < 1 || riga >= g.righe()) return;
    rigaFormazione_ = riga;
    g.impostaSfondo(1, 1, g.righe() - 1, g.colonne() - 1, Bianco);
    g.impostaSfondo(riga, 1, riga, g.colonne() - 1, Giallo);
    fgCC_->aggiornaCelle(1, 1, g.righe() - 1, g.colonne() - 1);
}

void Ventrallo::aggiungiAMemo() {
    const Griglia& cc = fgCC_->griglia();
    if (rigaFormazione_ < 1 || rigaFormazione_ >= cc.righe()) return;
    Griglia& memo = fgSerie_->griglia();
    const int r = memo.righe();
    memo.impostaRighe(r + 1);
    for (int c = 0; c <= TavolaNumeri::Massimo && c < cc.colonne(); ++c) memo.impostaTesto(r, c, cc.testo(rigaFormazione_, c));
    fgSerie_->aggiorna();
}

void Ventrallo::copiaMemoInSelezione() {
    const Griglia& memo = fgSerie_->griglia();
    const int r = memo.rigaCorrente();
    if (r < 1 || r >= memo.righe()) return;
    tavola_.svuota();
    for (int c = 1; c <= TavolaNumeri::Massimo && c < memo.colonne(); ++c) tavola_.scegli(static_cast<int>(memo.valore(r, c)));
    mostraTavola();
    ssTab1_->setCurrentIndex(0);
}

}  // namespace quorvane
