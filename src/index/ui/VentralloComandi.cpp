// The commands of the index analysis window: period, model draws, coverage, boards and memo.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "core/Colori.h"
#include "core/SceltaEstrazione.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/Copertura.h"
#include "index/ui/VerificaPrevisione.h"
#include "index/GriglieIndice.h"
#include "index/ui/Ventrallo.h"

namespace quorvane {

void Ventrallo::sceltaEstrazione(int valore) {
    if (!archivio_.contiene(valore)) return;
    metodo_.analisi.EstrazioneSelezionata = valore;
    dataScelta_ = archivio_.DateEstrazioni(valore);
    const QString data = QString::fromStdString(dataScelta_);
    labend_->setText(QStringLiteral("%1 del %2").arg(valore).arg(data));
    label4_->setText(QStringLiteral("%1  %2").arg(valore).arg(data));
    label7_->setText(QString::number(archivio_.ProgMese(valore)));
    riempiFga(fga_->griglia(), archivio_, valore);
    fga_->aggiorna();
}

void Ventrallo::archivioRicaricato() {
    metodo_.Svuota();
    if (verifica_) verifica_->close();
    riempiFg9090(fg9090_->griglia(), metodo_.coppie);
    fg9090_->aggiorna();
    riempiFgAbb(fgAbb_->griglia(), {});
    fgAbb_->aggiorna();
    fgRit_->griglia().impostaRighe(1);
    fgRit_->aggiorna();
    mostraFormazioni();
    mostraPrevisioni();
    sceltaEstrazione(seguiArchivio(hFine_, archivio_, dataScelta_));
}

void Ventrallo::Ultima() { hFine_->setValue(ultimaEstrazione(archivio_)); }

void Ventrallo::SelezionaPerNumeroIndice() {
    if (auto indice = chiediIndice(this, archivio_)) hFine_->setValue(*indice);
}

void Ventrallo::SelezionaPerData() {
    if (auto indice = chiediData(this, archivio_)) hFine_->setValue(*indice);
}

void Ventrallo::UtilizzaQuestaEstrazioneDelMese() { comboMensile_->setCurrentIndex(label7_->text().toInt()); }

void Ventrallo::leggiOpzioniBase() {
    AnalisiIndice& a = metodo_.analisi;
    a.Presenze = comboPresenze_->currentText().toInt();
    a.NumeroColpi = comboC_->currentText().toInt();
    a.Mensile = comboMensile_->currentIndex();
    a.fineRicerca = chFine_->isChecked();
    a.forzaUltima = chUltima_->isChecked();
}

void Ventrallo::leggiOpzioniElaborazione() {
    AnalisiIndice& a = metodo_.analisi;
    a.fineRicerca = chFine_->isChecked();
    a.QuantitaNumeri = comboN_->currentText().toInt();
    a.Capogioco = comboCG_->currentIndex();
    a.SorteElaborazione = option3_->isChecked() ? 2 : 3;
    a.veloce = chFast_->isChecked();
}

void Ventrallo::RicavaBaseDati() {
    leggiOpzioniBase();
    const bool trovate = metodo_.RicavaBaseDati();
    riempiFg9090(fg9090_->griglia(), metodo_.coppie);
    fg9090_->aggiorna();
    mostraModello();
    if (!trovate) return;
    mostraPrevisioni();
    mostraFormazioni();
    mostraRitardi();
}

void Ventrallo::Elabora() {
    const BarraLavoro barra(avanzamento_);
    metodo_.Elabora(barra.avanzamento());
    riempiFg9090(fg9090_->griglia(), metodo_.coppie);
    fg9090_->aggiorna();
    fg9090_->adattaColonne(1);
}

void Ventrallo::ElaborazioneModalita1() {
    leggiOpzioniElaborazione();
    const BarraLavoro barra(avanzamento_);
    metodo_.Modalita1(barra.avanzamento());
    mostraFormazioni();
}

void Ventrallo::ElaborazioneModalita2() {
    leggiOpzioniElaborazione();
    const BarraLavoro barra(avanzamento_);
    metodo_.Modalita2(barra.avanzamento());
    mostraFormazioni();
}

void Ventrallo::AggiungePrevisioneDaFormazioni() {
    if (metodo_.AggiungiFormazione(rigaFormazione_ - 1)) mostraPrevisioni();
}

void Ventrallo::AggiungePrevisioneDaTavola() {
    int sorte = 1;
    for (int i = 0; i < 3; ++i)
        if (sorteTavola_[i]->isChecked()) sorte = i + 1;
    if (metodo_.AggiungiDaTavola(sorte, tavola_.numeri())) mostraPrevisioni();
}

void Ventrallo::AggiungePrevisioneDaCoppia() {
    const Griglia& g = fg9090_->griglia();
    const int r = g.rigaCorrente();
    if (r < 1 || r >= g.righe()) return;
    comboN_->setCurrentIndex(0);
    leggiOpzioniElaborazione();
    metodo_.AggiungiCoppia(static_cast<int>(g.valore(r, 1)), static_cast<int>(g.valore(r, 2)));
    mostraFormazioni();
    mostraPrevisioni();
}

void Ventrallo::RimuoveRigaSelezionata() {
    const int r = fgZZ_->griglia().rigaCorrente();
    if (r < 1 || r > static_cast<int>(metodo_.analisi.previsioni.size())) return;
    leggiOpzioniElaborazione();
    const BarraLavoro barra(avanzamento_);
    metodo_.Rimuovi(r - 1, barra.avanzamento());
    mostraFormazioni();
    mostraPrevisioni();
}

void Ventrallo::AzzeraPrevisioni() {
    metodo_.Azzera();
    mostraPrevisioni();
}

void Ventrallo::VisualizzaSfaldamenti() {
    metodo_.VisualizzaSfaldamenti();
    mostraPrevisioni();
}

void Ventrallo::VerificaPrevisione() {
    const int riga = fgV_->griglia().rigaCorrente();
    if (riga < 1 || riga > static_cast<int>(metodo_.analisi.modello.size())) return;
    if (!verifica_) verifica_ = new VerificaPrevisioneFinestra(this);
    verifica_->mostra(quorvane::VerificaPrevisione(metodo_.analisi, archivio_, riga), metodo_.analisi.NumeroColpi);
}

void Ventrallo::CercaNumeroConMaggioreAbbinamento() {
    const int r = fgZZ_->griglia().rigaCorrente();
    if (r < 1 || r > static_cast<int>(metodo_.analisi.previsioni.size())) return;
    riempiFgAbb(fgAbb_->griglia(), Abbinamenti(metodo_.analisi, archivio_, metodo_.analisi.previsioni[r - 1]));
    fgAbb_->aggiorna();
}

void Ventrallo::FiltraNumeriDellePrevisioni() {
    Maschera90 usati;
    for (const Previsione& p : metodo_.analisi.previsioni) usati |= p.maschera();
    Griglia& g = fgRit_->griglia();
    for (int r = 1; r < g.righe(); ++r) g.nascondiRiga(r, !usati.contiene(static_cast<int>(g.valore(r, 0))));
    fgRit_->aggiorna();
}

void Ventrallo::CopiaNumeriPrevisioneInSelezione() {
    const int r = fgZZ_->griglia().rigaCorrente();
    if (r < 1 || r > static_cast<int>(metodo_.analisi.previsioni.size())) return;
    const Maschera90 numeri = metodo_.analisi.previsioni[r - 1].maschera();
    numeri.perOgni([this](int n) {
        if (!tavola_.scelto(n)) tavola_.scegli(n);
    });
    mostraTavola();
    ssTab1_->setCurrentIndex(0);
}

void Ventrallo::modificaSorte(int riga, int colonna) {
    if (colonna != 1 || riga < 1 || riga > static_cast<int>(metodo_.analisi.previsioni.size())) return;
    bool numero = false;
    const int sorte = QString::fromStdString(fgZZ_->griglia().testo(riga, 1)).trimmed().toInt(&numero);
    Previsione& p = metodo_.analisi.previsioni[riga - 1];
    if (numero && sorte >= 1 && sorte <= 5) p.sorte = sorte;
    // Only this cell changes: the list is not rebuilt under the editor that wrote it.
    fgZZ_->griglia().impostaTesto(riga, 1, std::to_string(p.sorte));
    fgZZ_->aggiornaCelle(riga, 1, riga, 1);
}

void Ventrallo::attivaTutte(bool attive) {
    for (Previsione& p : metodo_.analisi.previsioni) p.attiva = attive;
    mostraPrevisioni();
}

void Ventrallo::mostraModello() {
    riempiFgV(fgV_->griglia(), metodo_.analisi, archivio_);
    fgV_->aggiorna();
    fgV_->adattaColonne();
}

void Ventrallo::mostraPrevisioni() {
    riempiFgZZ(fgZZ_->griglia(), metodo_.analisi);
    fgZZ_->aggiorna();
    fgZZ_->adattaColonne();
    lblT_->setText(QString::fromStdString(testoCoperti(metodo_.analisi)));
    lblS_->setText(QString::fromStdString(testoScoperti(metodo_.analisi)));
    lblT_->setStyleSheet(copertiCompleti(metodo_.analisi) ? QStringLiteral("QLabel { background: #00ff00; }")
                                                          : QStringLiteral("QLabel { background: white; }"));
    mostraModello();
    mostraRitardi();
}

void Ventrallo::mostraFormazioni() {
    riempiFgCC(fgCC_->griglia(), metodo_.formazioni);
    fgCC_->aggiorna();
    rigaFormazione_ = 0;
}

void Ventrallo::mostraRitardi() {
    if (metodo_.analisi.modello.empty()) return;
    riempiFgRit(fgRit_->griglia(), metodo_.ritardi, metodo_.analisi.RuoteSel);
    fgRit_->aggiorna();
}

void Ventrallo::mostraRuote() {
    riempiFgR(fgR_->griglia(), metodo_.analisi.ruoteInGioco);
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
