#include "core/ui/Controlli.h"

#include "core/SceltaEstrazione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

QLabel* avvisoDimostrativo(QWidget* padre) {
    auto* l = etichetta(padre, "LblDimostrativo",
        QStringLiteral("<b>Archivio dimostrativo:</b> le sue estrazioni sono <b>simulate</b> e non sono quelle "
                       "reali del Lotto. Per avere le estrazioni reali, nella finestra principale: "
                       "<i>Gestione archivio</i>, scheda <i>Aggiornamenti</i>, <b>SCARICA ARCHIVIO UFFICIALE</b>, "
                       "poi <b>AGGIORNAMENTO</b>."));
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("QLabel { background: #fff4c0; padding: 6px; }"));
    return l;
}

void sfondoEtichetta(QLabel* etichetta, Colore colore) {
    etichetta->setStyleSheet(QStringLiteral("QLabel { background-color: %1; }").arg(coloreQt(colore).name()));
}

std::optional<int> chiediIndice(QWidget* padre, const ArchivioEstrazioni& archivio) {
    const auto risposta = Dialoghi::correnti().chiediTesto(padre, QStringLiteral("Scelta estrazione"),
                                                           QStringLiteral("Inserire il n° indice dell'archivio modello."),
                                                           QString());
    if (!risposta) return std::nullopt;
    return indiceDigitato(archivio, risposta->toStdString());
}

std::optional<int> chiediData(QWidget* padre, const ArchivioEstrazioni& archivio) {
    const auto risposta = Dialoghi::correnti().chiediTesto(padre, QStringLiteral("Ricerca per data GG/MM/AAAA"),
                                                           QStringLiteral("Data ?"), QString());
    if (!risposta) return std::nullopt;
    const auto trovata = estrazioneDellaData(archivio, risposta->trimmed().toStdString());
    if (!trovata)
        Dialoghi::correnti().messaggio(padre, QMessageBox::Information, QStringLiteral("Cerca data"),
                                       QStringLiteral("Data non trovata"));
    return trovata;
}

}  // namespace quorvane
