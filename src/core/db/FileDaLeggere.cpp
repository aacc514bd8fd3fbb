#include "core/db/FileDaLeggere.h"

#include <QDir>
#include <QFile>

namespace quorvane {

QString motivoNonLeggibile(const QString& percorso, std::uintmax_t massimo) {
    // The bytes Qt itself would open, so that the check and the read see the same file.
    const std::filesystem::path nativo(QFile::encodeName(percorso).toStdString());
    return QString::fromStdString(
        motivoFileNonLeggibile(nativo, QDir::toNativeSeparators(percorso).toStdString(), massimo));
}

}  // namespace quorvane
