#include "core/db/Sessione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {
const QString indirizzoPredefinito = QStringLiteral("https://www.quorvane.it");

QList<Parametro>& parametriRegistrati() {
    static QList<Parametro> righe;
    return righe;
}

Sessione::GeneratoreDimostrativo& generatoreRegistrato() {
    static Sessione::GeneratoreDimostrativo genera;
    return genera;
}

void scriviFilePercorso(const QString& cartella, const QString& percorso) {
    QFile file(QDir(cartella).filePath(Sessione::NomeFilePercorso));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file.write(QStringLiteral("\"%1\"\n").arg(QDir::toNativeSeparators(percorso)).toUtf8());
}
}  // namespace

void Sessione::registraParametro(const Parametro& riga) {
    auto& righe = parametriRegistrati();
    auto gia = std::find_if(righe.begin(), righe.end(), [&](const Parametro& p) { return p.nome == riga.nome; });
    if (gia != righe.end()) *gia = riga;
    else righe.append(riga);
}

void Sessione::registraArchivioDimostrativo(GeneratoreDimostrativo genera) {
    generatoreRegistrato() = std::move(genera);
}

std::unique_ptr<DatabaseProgramma> Sessione::apriProgramma(const QString& cartellaDati, const Data& oggi,
                                                           QString* errore) {
    const QString demo = QDir(cartellaDati).filePath(NomeArchivioDimostrativo);
    const QList<Parametro> iniziali = {
        {Parametri::PercorsoArchivio, demo, {}},
        {Parametri::EstrazioneIniziale, QStringLiteral("1"), {}},
        {Parametri::IndirizzoInternet, indirizzoPredefinito, {}},
        {Parametri::PercorsoDati, QDir(cartellaDati).filePath(QStringLiteral("Dati.iii")), {}},
    };
    const QList<Parametro>& aggiunti = parametriRegistrati();
    // Two first starts at once (a window and a command, two commands) would both create the
    // rows: the second waits here and uses what the first made. Without a lock (a folder that
    // cannot be written) the opening below says what is wrong.
    QDir().mkpath(cartellaDati);
    QLockFile blocco(QDir(cartellaDati).filePath(QStringLiteral("DbQuorvane.lock")));
    blocco.lock();
    auto programma = DatabaseProgramma::apri(cartellaDati, iniziali + aggiunti, errore);
    if (!programma) return nullptr;
    // Program databases made before a feature had its rows.
    for (const Parametro& riga : aggiunti) programma->aggiungiParametroSeManca(riga);
    if (programma->creato() && !QFileInfo::exists(demo)) {
        QString motivo;
        if (creaArchivioDimostrativo(demo, oggi, &motivo)) scriviFilePercorso(cartellaDati, demo);
    }
    return programma;
}

std::unique_ptr<Sessione> Sessione::avvia(const QString& cartellaDati, const Data& oggi, QString* errore) {
    auto sessione = std::unique_ptr<Sessione>(new Sessione);
    sessione->cartellaDati_ = cartellaDati;
    sessione->programma_ = apriProgramma(cartellaDati, oggi, errore);
    if (!sessione->programma_) return nullptr;

    auto& db = *sessione->programma_;
    sessione->percorsoArchivio_ = db.parametro(Parametri::PercorsoArchivio).value_or(QString());
    sessione->indirizzoInternet_ = db.parametro(Parametri::IndirizzoInternet).value_or(QString());
    sessione->leggiEstrazioneIniziale();
    return sessione;
}

bool Sessione::creaArchivioDimostrativo(const QString& percorso, const Data& oggi, QString* errore) {
    const GeneratoreDimostrativo& genera = generatoreRegistrato();
    if (!genera) return false;
    auto db = DatabaseArchivio::apriOCrea(percorso, errore);
    const bool creato = db && db->aggiungiEstrazioni(genera(oggi), errore).has_value();
    db.reset();
    // An archive without its draws (a full disk) would pass for the demonstration one.
    if (!creato) QFile::remove(percorso);
    return creato;
}

bool Sessione::archivioApribile() const {
    QString motivo;
    return DatabaseArchivio::apri(percorsoArchivio_, &motivo) != nullptr;
}

bool Sessione::archivioDimostrativo() const {
    return QFileInfo(percorsoArchivio_) == QFileInfo(QDir(cartellaDati_).filePath(NomeArchivioDimostrativo));
}

void Sessione::leggiEstrazioneIniziale() {
    auto valore = programma_->parametro(Parametri::EstrazioneIniziale);
    if (!valore) return;
    bool ok = false;
    double numero = valore->trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (ok && std::isfinite(numero) && std::abs(numero) < 1e9)
        archivio.impostaEstrazioneIniziale(static_cast<int>(std::lround(numero)));
}

void Sessione::selezionaArchivio(const QString& percorso) {
    scriviFilePercorso(cartellaDati_, percorso);
    percorsoArchivio_ = percorso;
    programma_->impostaParametro(QStringLiteral("percorsoarchivio"), percorso);
}

bool Sessione::caricaArchivio(TipoCaricamento tipo, const Avanzamento& avanzamento, QString* errore) {
    auto db = DatabaseArchivio::apri(percorsoArchivio_, errore);
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
        case EsitoCaricamento::RuoteNonValide:
            *errore = QString::fromStdString(motivoRuoteNonValide(*righe));
            return false;
    }
    return false;
}

}  // namespace quorvane
