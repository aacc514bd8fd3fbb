#include "core/db/CartellaDati.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace quorvane {

QString cartellaDati() {
    QString cartella = qEnvironmentVariable(VariabileCartellaDati);
    if (cartella.isEmpty()) {
        if (QCoreApplication::applicationName().isEmpty())
            QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
        cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(cartella);
    return cartella;
}

}  // namespace quorvane
