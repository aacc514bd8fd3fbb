#include "archive/db/FileEsportazione.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <filesystem>

#include "core/db/PercorsoFile.h"

namespace quorvane {

namespace {
// Why a write failed, in Italian where the cause can be told: Qt's own text for a full disk is
// often just "Unknown error".
QString motivoScrittura(const QSaveFile& file, qint64 dimensione) {
    const QFileInfo destinazione(file.fileName());
    const QStorageInfo disco(destinazione.absolutePath());
    if (!destinazione.absoluteDir().exists()) return QStringLiteral("la cartella non esiste.");
    if (disco.isValid() && disco.bytesAvailable() < dimensione)
        return QStringLiteral("spazio esaurito sul disco (servono %1 byte, liberi %2).")
            .arg(dimensione)
            .arg(disco.bytesAvailable());
    if (disco.isValid() && disco.isReadOnly()) return QStringLiteral("il disco è in sola lettura.");
    if (!QFileInfo(destinazione.absolutePath()).isWritable())
        return QStringLiteral("permesso negato nella cartella \"%1\".")
            .arg(QDir::toNativeSeparators(destinazione.absolutePath()));
    return file.errorString();
}

// Wine finds names whatever their case; a Linux folder does not, so look the name up.
QString trovaSenzaMaiuscole(const QDir& cartella, const QString& nome, QDir::Filters tipo) {
    if (!cartella.exists()) return {};
    for (const QString& voce : cartella.entryList(tipo | QDir::Hidden))
        if (voce.compare(nome, Qt::CaseInsensitive) == 0) return cartella.filePath(voce);
    return {};
}
}  // namespace

bool scriviEsportazione(const QString& percorso, const std::string& contenuto,
                        const std::vector<FileProtetto>& protetti, QString* errore) {
    const QString nome = QDir::toNativeSeparators(percorso);
    // The same file under another name, a link or a hard link, is the same file.
    for (const FileProtetto& p : protetti) {
        std::error_code ec;
        if (!p.percorso.isEmpty() &&
            std::filesystem::equivalent(percorsoFile(percorso), percorsoFile(p.percorso), ec)) {
            *errore = QStringLiteral(
                          "Impossibile scrivere \"%1\": è %2, che un'esportazione non può sostituire. "
                          "Scegliere un altro file.")
                          .arg(nome, p.nome);
            return false;
        }
    }
    // The new file is renamed over the old one: a device or a FIFO would be replaced by a file.
    const QFileInfo esistente(percorso);
    if (esistente.exists() && !esistente.isFile()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": non è un file normale, non viene sostituito.").arg(nome);
        return false;
    }
    QSaveFile file(percorso);
    const auto n = static_cast<qint64>(contenuto.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto.data(), n) != n || !file.commit()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2").arg(nome, motivoScrittura(file, n));
        return false;
    }
    return true;
}

QString cartellaZendravoltaPrevista() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/KVEL3");
#else
    QString prefisso = qEnvironmentVariable("WINEPREFIX");
    if (prefisso.isEmpty()) prefisso = QDir::home().filePath(QStringLiteral(".wine"));
    const QDir discoC(QDir(prefisso).filePath(QStringLiteral("drive_c")));
    const QString trovata = trovaSenzaMaiuscole(discoC, QStringLiteral("KVEL3"), QDir::Dirs | QDir::NoDotAndDotDot);
    return trovata.isEmpty() ? discoC.filePath(QStringLiteral("KVEL3")) : trovata;
#endif
}

QString cartellaZendravolta() {
    const QString cartella = cartellaZendravoltaPrevista();
    return QFileInfo(cartella).isDir() ? cartella : QString();
}

QString fileZendravolta(const QString& cartella) {
    const QString nome = QStringLiteral("DATI32.III");
    const QString esistente = trovaSenzaMaiuscole(QDir(cartella), nome, QDir::Files);
    return esistente.isEmpty() ? QDir(cartella).filePath(nome) : esistente;
}

}  // namespace quorvane
