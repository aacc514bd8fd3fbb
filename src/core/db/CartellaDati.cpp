#include "core/db/CartellaDati.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace quorvane {

QString cartellaDati() {
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(cartella);
    return cartella;
}

}  // namespace quorvane
