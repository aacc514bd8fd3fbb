#include "core/db/Sessione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "archive/ArchivioDemo.h"
#include "archive/db/ScaricoStorico.h"

namespace quorvane {

namespace {
const QString indirizzoPredefinito = QStringLiteral("https://www.quorvane.it");

void scriviFilePercorso(const QString& cartella, const QString& percorso) {
    QFile file(QDir(cartella).filePath(Sessione::NomeFilePercorso));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file.write(QStringLiteral("\"%1\"\n").arg(QDir::toNativeSeparators(percorso)).toUtf8());
}
}  // namespace

std::unique_ptr<Sessione> Sessione::avvia(const QString& cartellaDati, const Data& oggi,
                                          QString* errore) {
    auto sessione = std::unique_ptr<Sessione>(new Sessione);
    sessione->cartellaDati_ = cartellaDati;
    const QString demo = QDir(cartellaDati).filePath(NomeArchivioDimostrativo);
    const QList<Parametro> iniziali = {
        {Parametri::PercorsoArchivio, demo, {}},
        {Parametri::EstrazioneIniziale, QStringLiteral("1"), {}},
        {Parametri::IndirizzoInternet, indirizzoPredefinito, {}},
        {Parametri::PercorsoDati, QDir(cartellaDati).filePath(QStringLiteral("Dati.iii")), {}},
        {Parametri::IndirizzoAggiornamenti, IndirizzoAggiornamentiPredefinito, {}},
        {Parametri::IndirizzoArchivioUfficiale, IndirizzoArchivioUfficialePredefinito, {}},
    };
    sessione->programma_ = DatabaseProgramma::apri(cartellaDati, iniziali, errore);
    if (!sessione->programma_) return nullptr;
    // Program databases made before the download addresses had their own rows.
    for (const Parametro& riga : iniziali.mid(iniziali.size() - 2))
        sessione->programma_->aggiungiParametroSeManca(riga);
    if (sessione->primoAvvio() && !QFileInfo::exists(demo)) {
        QString motivo;
        if (sessione->creaArchivioDimostrativo(oggi, &motivo)) scriviFilePercorso(cartellaDati, demo);
    }

    auto& db = *sessione->programma_;
    sessione->PercorsoArchivio = db.parametro(Parametri::PercorsoArchivio).value_or(QString());
    sessione->IndirizzoInternet = db.parametro(Parametri::IndirizzoInternet).value_or(QString());
    QString motivo;
    sessione->archivioAperto_ = DatabaseArchivio::apri(sessione->PercorsoArchivio, &motivo);
    sessione->ImpostaInizialix();
    return sessione;
}

bool Sessione::creaArchivioDimostrativo(const Data& oggi, QString* errore) {
    const QString percorso = QDir(cartellaDati_).filePath(NomeArchivioDimostrativo);
    auto db = DatabaseArchivio::apriOCrea(percorso, errore);
    if (!db) return false;
    return db->aggiungiEstrazioni(generaArchivioDemo(oggi), errore).has_value();
}

bool Sessione::archivioDimostrativo() const {
    return QFileInfo(PercorsoArchivio) == QFileInfo(QDir(cartellaDati_).filePath(NomeArchivioDimostrativo));
}

void Sessione::ImpostaInizialix() {
    auto valore = programma_->parametro(Parametri::EstrazioneIniziale);
    if (!valore) return;
    bool ok = false;
    double numero = valore->trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (ok && std::isfinite(numero) && std::abs(numero) < 1e9)
        archivio.impostaEstrazioneIniziale(static_cast<int>(std::lround(numero)));
}

void Sessione::selezionaArchivio(const QString& percorso) {
    scriviFilePercorso(cartellaDati_, percorso);
    PercorsoArchivio = percorso;
    programma_->impostaParametro(QStringLiteral("percorsoarchivio"), percorso);
}

bool Sessione::caricaArchivio(TipoCaricamento tipo, const Avanzamento& avanzamento, QString* errore) {
    auto db = DatabaseArchivio::apri(PercorsoArchivio, errore);
    if (!db) return false;
    auto righe = db->leggiEstrazioni(errore);
    if (!righe) return false;
    const PeriodoModello periodo = archivio.periodoModello();
    switch (archivio.CaricaArchivio(*righe, tipo, avanzamento)) {
        case EsitoCaricamento::Riuscito:
            if (*righe == righe_ && periodo == archivio.periodoModello()) return true;
            righe_ = std::move(*righe);
            emit archivioRicaricato();
            return true;
        case EsitoCaricamento::ArchivioVuoto:
            *errore = QStringLiteral("L'archivio non contiene estrazioni leggibili.");
            return false;
        case EsitoCaricamento::InizialeOltreArchivio:
            *errore = QStringLiteral("L'estrazione iniziale %1 è oltre l'ultima estrazione dell'archivio.")
                          .arg(archivio.EstrazioneIniziale());
            return false;
    }
    return false;
}

}  // namespace quorvane
