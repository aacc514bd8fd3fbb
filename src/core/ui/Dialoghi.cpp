#include "core/ui/Dialoghi.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QSortFilterProxyModel>

#include "core/db/DatabaseProgramma.h"

namespace quorvane {

namespace {
// The program's own database is never a file the user opens: no open dialog lists it.
class SenzaDatabaseProgramma : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int riga, const QModelIndex& padre) const override {
        const auto* file = qobject_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex voce = sourceModel()->index(riga, 0, padre);
        return !file || file->isDir(voce) ||
               file->fileName(voce).compare(DatabaseProgramma::NomeFile, Qt::CaseInsensitive) != 0;
    }
};
}  // namespace

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
        QFileDialog dialogo(padre, titolo, cartella, filtro);
        dialogo.setFileMode(QFileDialog::ExistingFile);
        // A native dialog takes no proxy model.
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setProxyModel(new SenzaDatabaseProgramma(&dialogo));
        return dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()
                   ? dialogo.selectedFiles().constFirst()
                   : QString();
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
    d.scegli = [](QWidget* padre, const QString& titolo, const QString& etichetta,
                  const QStringList& voci) -> std::optional<QString> {
        bool ok = false;
        QString scelta = QInputDialog::getItem(padre, titolo, etichetta, voci, 0, false, &ok);
        if (!ok) return std::nullopt;
        return scelta;
    };
    return d;
}

Dialoghi& Dialoghi::correnti() {
    static Dialoghi dialoghi = veri();
    return dialoghi;
}

}  // namespace quorvane
