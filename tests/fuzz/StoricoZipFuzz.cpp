// The official file as it is published, zipped, or plain: the bytes go to a file and come back
// through the same reader as the program's import, then through the reader of the text.
#include <QDir>
#include <QString>
#include <fstream>
#include <unistd.h>
#include <variant>

#include "Fuzz.h"
#include "archive/db/FileSorgente.h"

using namespace quorvane;

namespace {

const QString& percorso() {
    static const QString p = QDir::temp().filePath(QStringLiteral("quorvane-fuzz-%1.zip").arg(::getpid()));
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    {
        std::ofstream file(percorso().toStdString(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(n));
    }
    QString errore;
    const auto testo = leggiFileOZip(percorso(), &errore);
    fuzz::richiedi(testo.has_value() || !errore.isEmpty(), "un file non letto ha il suo messaggio");
    if (testo) (void)righeSorgente(*testo);
    return 0;
}
