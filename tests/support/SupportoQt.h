#pragma once
// Shared helpers of the tests that use Qt: paths as Qt wants them, controls found by name.
#include <QObject>
#include <QString>
#include <filesystem>

#include <gtest/gtest.h>

namespace test {

inline QString qpath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// The child of `genitore` with that objectName; a missing control fails the test by its name.
template <class T>
T* trova(const QObject* genitore, const QString& nome) {
    T* figlio = genitore->findChild<T*>(nome);
    EXPECT_NE(figlio, nullptr) << "controllo assente: " << nome.toStdString();
    return figlio;
}

}  // namespace test
