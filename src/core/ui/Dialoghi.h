#pragma once
// Every modal box the windows show goes through here, so that tests can answer them.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

namespace quorvane {

struct Dialoghi {
    std::function<void(QWidget*, QMessageBox::Icon, const QString& titolo, const QString& testo)> messaggio;
    // Yes/No box; true only on Yes.
    std::function<bool(QWidget*, const QString& titolo, const QString& testo)> conferma;
    // Open-file dialog; empty when cancelled.
    std::function<QString(QWidget*, const QString& titolo, const QString& cartella, const QString& filtro)> apriFile;
    // Save-file dialog starting at `percorso` (a folder or a file), adding `estensione` to a name
    // typed without one; empty when cancelled.
    std::function<QString(QWidget*, const QString& titolo, const QString& percorso, const QString& filtro,
                          const QString& estensione)>
        salvaFile;
    // Hands a web address to the desktop's browser; false when none took it.
    std::function<bool(const QUrl&)> apriIndirizzo;
    // Input box; nullopt when cancelled.
    std::function<std::optional<QString>(QWidget*, const QString& titolo, const QString& etichetta,
                                         const QString& iniziale)>
        chiediTesto;
    // One of `voci`, chosen from a list (no typing); nullopt when cancelled.
    std::function<std::optional<QString>(QWidget*, const QString& titolo, const QString& etichetta,
                                         const QStringList& voci)>
        scegli;

    // The boxes in use: the real ones unless a test put others in their place.
    static Dialoghi& correnti();
    static Dialoghi veri();
};

}  // namespace quorvane
