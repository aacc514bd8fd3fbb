#include "archive/db/FileEsportazione.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace quorvane {

namespace {
// Wine finds names whatever their case; a Linux folder does not, so look the name up.
QString trovaSenzaMaiuscole(const QDir& cartella, const QString& nome, QDir::Filters tipo) {
    if (!cartella.exists()) return {};
    for (const QString& voce : cartella.entryList(tipo | QDir::Hidden))
        if (voce.compare(nome, Qt::CaseInsensitive) == 0) return cartella.filePath(voce);
    return {};
}
}  // namespace

bool scriviEsportazione(const QString& percorso, const std::string& contenuto, QString* errore) {
    // The new file is renamed over the old one: a device or a FIFO would be replaced by a file.
    const QFileInfo esistente(percorso);
    if (esistente.exists() && !esistente.isFile()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": non è un file normale, non viene sostituito.")
                      .arg(QDir::toNativeSeparators(percorso));
        return false;
    }
    QSaveFile file(percorso);
    const auto n = static_cast<qint64>(contenuto.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto.data(), n) != n || !file.commit()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2")
                      .arg(QDir::toNativeSeparators(percorso), file.errorString());
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
