#include "core/ui/Dialoghi.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>

namespace quorvane {

Dialoghi Dialoghi::veri() {
    Dialoghi d;
    d.messaggio = [](QWidget* padre, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
        QMessageBox box(icona, titolo, testo, QMessageBox::Ok, padre);
        box.exec();
    };
    d.conferma = [](QWidget* padre, const QString& titolo, const QString& testo) {
        return QMessageBox::question(padre, titolo, testo, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    d.apriFile = [](QWidget* padre, const QString& titolo, const QString& cartella, const QString& filtro) {
        return QFileDialog::getOpenFileName(padre, titolo, cartella, filtro);
    };
    d.salvaFile = [](QWidget* padre, const QString& titolo, const QString& percorso, const QString& filtro,
                     const QString& estensione) {
        QFileDialog dialogo(padre, titolo, percorso, filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(estensione);
        return dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()
                   ? dialogo.selectedFiles().constFirst()
                   : QString();
    };
    d.apriIndirizzo = [](const QUrl& indirizzo) { return QDesktopServices::openUrl(indirizzo); };
    d.chiediTesto = [](QWidget* padre, const QString& titolo, const QString& etichetta,
                       const QString& iniziale) -> std::optional<QString> {
        bool ok = false;
        QString testo = QInputDialog::getText(padre, titolo, etichetta, QLineEdit::Normal, iniziale, &ok);
        if (!ok) return std::nullopt;
        return testo;
    };
    return d;
}

Dialoghi& Dialoghi::correnti() {
    static Dialoghi dialoghi = veri();
    return dialoghi;
}

}  // namespace quorvane
