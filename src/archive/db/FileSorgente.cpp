#include "archive/db/FileSorgente.h"

#include <QFile>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

#include "core/db/FileDaLeggere.h"
#include "core/db/PercorsoFile.h"

namespace quorvane {

namespace {
// A zip of a few kilobytes can unpack to gigabytes: the text inside has the plain file's limit.
constexpr la_int64_t MassimoDecompresso = static_cast<la_int64_t>(MassimoFileDati);

bool eZip(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

std::optional<std::string> leggiZip(const QString& percorso, QString* errore) {
    std::unique_ptr<archive, int (*)(archive*)> zip(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(zip.get());
    const std::filesystem::path nome = percorsoFile(percorso);
#ifdef Q_OS_WIN
    // Native names are wide there: the narrow open would go through the ANSI code page.
    const int aperto = archive_read_open_filename_w(zip.get(), nome.c_str(), 64 * 1024);
#else
    const int aperto = archive_read_open_filename(zip.get(), nome.c_str(), 64 * 1024);
#endif
    if (aperto != ARCHIVE_OK) {
        *errore = QStringLiteral("Impossibile aprire l'archivio zip \"%1\": %2")
                      .arg(percorso, QString::fromUtf8(archive_error_string(zip.get())));
        return std::nullopt;
    }
    archive_entry* voce = nullptr;
    while (archive_read_next_header(zip.get(), &voce) == ARCHIVE_OK) {
        if (archive_entry_filetype(voce) != AE_IFREG) continue;
        std::string testo;
        char blocco[64 * 1024];
        la_ssize_t letti;
        while ((letti = archive_read_data(zip.get(), blocco, sizeof blocco)) > 0) {
            if (static_cast<la_int64_t>(testo.size()) + letti > MassimoDecompresso) {
                *errore = QStringLiteral("Il file contenuto in \"%1\" è troppo grande.").arg(percorso);
                return std::nullopt;
            }
            testo.append(blocco, static_cast<std::size_t>(letti));
        }
        if (letti < 0) break;
        return testo;
    }
    const char* motivo = archive_error_string(zip.get());
    *errore = QStringLiteral("Impossibile leggere l'archivio zip \"%1\": %2")
                  .arg(percorso, motivo ? QString::fromUtf8(motivo) : QStringLiteral("nessun file contenuto"));
    return std::nullopt;
}

template <class Lettura>
EsitoSorgente leggi(const QString& percorso, Lettura lettura) {
    QString errore;
    auto testo = leggiFileOZip(percorso, &errore);
    if (!testo) return ErroreSorgente{false, errore.toStdString()};
    return lettura(*testo);
}
}  // namespace

std::optional<std::string> leggiFileOZip(const QString& percorso, QString* errore) {
    if (QString motivo = motivoNonLeggibile(percorso); !motivo.isEmpty()) {
        *errore = motivo;
        return std::nullopt;
    }
    if (eZip(percorso)) return leggiZip(percorso, errore);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        *errore = QStringLiteral("Impossibile leggere il file \"%1\".").arg(percorso);
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

EsitoSorgente leggiFileAggiornamento(const QString& percorso) {
    return leggi(percorso, righeAggiornamento);
}

EsitoSorgente leggiStoricoComeAggiornamento(const QString& percorso) {
    return leggi(percorso, righeStorico);
}

EsitoSorgente leggiSorgenteAggiornamento(const QString& percorso) {
    return leggi(percorso, righeSorgente);
}

}  // namespace quorvane
