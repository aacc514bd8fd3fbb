#pragma once
// Shared helpers of the tests that use Qt: paths as Qt wants them, controls found by name.
#include <QObject>
#include <QString>
#include <filesystem>

#include <gtest/gtest.h>

namespace test {

// A path as Qt writes it: '/' between the names on every system.
inline QString qpath(const std::filesystem::path& p) {
#ifdef _WIN32
    return QString::fromStdWString(p.generic_wstring());
#else
    return QString::fromStdString(p.string());
#endif
}

// The line end of a file written as text: "\r\n" on Windows.
#ifdef _WIN32
inline constexpr char FineRiga[] = "\r\n";
#else
inline constexpr char FineRiga[] = "\n";
#endif

// The child of `genitore` with that objectName; a missing control fails the test by its name.
template <class T>
T* trova(const QObject* genitore, const QString& nome) {
    T* figlio = genitore->findChild<T*>(nome);
    EXPECT_NE(figlio, nullptr) << "controllo assente: " << nome.toStdString();
    return figlio;
}

}  // namespace test
