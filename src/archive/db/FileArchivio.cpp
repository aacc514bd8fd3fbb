#include "archive/db/FileArchivio.h"

#include <QFile>
#include <QFileInfo>

#include "archive/StoricoUfficiale.h"
#include "archive/db/FileSorgente.h"
#include "core/Estrazione.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/FileDaLeggere.h"

namespace quorvane {

namespace {
bool eDatabaseSqlite(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// Plain or zipped, as the publisher offers it.
std::optional<std::vector<Estrazione>> leggiStoricoQt(const QString& percorso, QString* errore) {
    const auto testo = leggiFileOZip(percorso, errore);
    if (!testo) return std::nullopt;
    auto letto = leggiStoricoTesto(*testo);
    if (auto* e = std::get_if<ErroreStorico>(&letto)) {
        *errore = QString::fromStdString(e->messaggio);
        return std::nullopt;
    }
    return std::get<std::vector<Estrazione>>(std::move(letto));
}
}  // namespace

std::optional<std::vector<RigaArchivio>> leggiFileArchivio(const QString& percorso, QString* errore) {
    // Checked before the header is read: opening a FIFO would wait for a writer.
    if (QString motivo = motivoNonLeggibile(percorso, SenzaLimite); !motivo.isEmpty()) {
        *errore = motivo;
        return std::nullopt;
    }
    if (eDatabaseSqlite(percorso)) {
        auto db = DatabaseArchivio::apri(percorso, errore, true);
        if (!db) return std::nullopt;
        return db->leggiEstrazioni(errore);
    }
    auto estrazioni = leggiStoricoQt(percorso, errore);
    if (!estrazioni) return std::nullopt;
    std::vector<RigaArchivio> righe;
    righe.reserve(estrazioni->size());
    for (const Estrazione& e : *estrazioni) righe.push_back(e.riga());
    return righe;
}

std::optional<EsitoImportazione> importaStorico(const QString& fileStorico, const QString& archivio, QString* errore) {
    auto estrazioni = leggiStoricoQt(fileStorico, errore);
    if (!estrazioni) return std::nullopt;
    const bool nuovo = !QFileInfo::exists(archivio);
    auto db = DatabaseArchivio::apriOCrea(archivio, errore);
    const auto aggiunte = db ? db->aggiungiEstrazioni(*estrazioni, errore) : std::nullopt;
    if (!aggiunte) {
        db.reset();
        // A file this import created holds nothing of it (a full disk, say): gone, as if never begun.
        if (nuovo) QFile::remove(archivio);
        return std::nullopt;
    }
    return EsitoImportazione{static_cast<int>(estrazioni->size()), *aggiunte};
}

}  // namespace quorvane
