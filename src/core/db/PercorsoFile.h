#pragma once
// File names handed from Qt to the standard library or to C libraries without losing a letter:
// a narrow string is UTF-8 only on some systems (on Windows it is the ANSI code page).
#include <QFile>
#include <QString>
#include <filesystem>
#include <string>

namespace quorvane {

inline std::filesystem::path percorsoFile(const QString& percorso) {
#ifdef Q_OS_WIN
    return std::filesystem::path(percorso.toStdWString());
#else
    const QByteArray nome = QFile::encodeName(percorso);
    return std::filesystem::path(std::string(nome.constData(), static_cast<std::size_t>(nome.size())));
#endif
}

}  // namespace quorvane
