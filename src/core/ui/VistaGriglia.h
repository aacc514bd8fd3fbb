#pragma once
// The view of a Griglia: a QTableView over a thin model that reads the grid's cells directly.
#include <QAbstractTableModel>
#include <QPageLayout>
#include <QStyledItemDelegate>
#include <QTableView>
#include <memory>

#include "core/Griglia.h"

class QPrinter;

namespace quorvane {

QColor coloreQt(Colore c);

// Model rows are the grid rows after the header (row 0); the header row is the horizontal header.
// Other fixed rows and columns stay in the model and look like buttons. The counts are those of
// the last reset, so a grid that grew or shrank since is never read outside its cells.
class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloGriglia(Griglia* griglia, QObject* parent = nullptr);

    Griglia* griglia() const { return griglia_; }
    void impostaGriglia(Griglia* griglia);

    int primaRiga() const;
    int rigaGriglia(int rigaModello) const { return rigaModello + primaRiga(); }
    int rigaModello(int rigaGriglia) const { return rigaGriglia - primaRiga(); }

    void reimposta();
    void celleCambiate(int r1, int c1, int r2, int c2);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void cellaModificata(int riga, int colonna);

private:
    bool fissa(int riga, int colonna) const;
    bool dentro(int riga, int colonna) const;
    void contaCelle();

    Griglia* griglia_;
    int righe_ = 0;  // model rows at the last reset
    int colonne_ = 0;
};

// Offers the column's edit list in a combo box; other columns edit as plain text.
class DelegatoElenco : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

// Follows its grid: a change to the grid brings the view up to date once, when control returns
// to the event loop, however many cells the owner filled meanwhile.
class VistaGriglia : public QTableView {
    Q_OBJECT
public:
    // Owns a Griglia named `nome`; the name is also the widget's objectName.
    explicit VistaGriglia(const std::string& nome = {}, QWidget* parent = nullptr);
    // Shows a Griglia owned elsewhere, which must outlive the view.
    explicit VistaGriglia(Griglia* esterna, QWidget* parent = nullptr);
    ~VistaGriglia() override;

    Griglia& griglia() { return *griglia_; }
    const Griglia& griglia() const { return *griglia_; }
    ModelloGriglia* modello() const { return modello_; }

    // Reloads everything now: hidden rows and columns, widths set in the grid, current cell and
    // first shown row. The view does it by itself after a change; this is for who cannot wait.
    void aggiorna();
    // Cheaper than aggiorna() when only the contents or colours of a rectangle changed.
    void aggiornaCelle(int r1, int c1, int r2, int c2);
    // Shows now what changed in the grid since the last refresh, if anything: for the owner that
    // sets the view's own column widths or modes right after a fill.
    void aggiornaCambi();

    // Fits the widths of the columns prima..ultima (-1: the last column) to their texts; a change
    // of the grid still waiting is shown first, so new columns get their width.
    void adattaColonne(int prima = 0, int ultima = -1);

    void copiaTabella() const;

    // The title and the visible part of the grid, as a table.
    void stampa(const QString& titolo, QPrinter& stampante,
                QPageLayout::Orientation orientamento = QPageLayout::Portrait, int margineTwips = 720) const;
    // Asks for the printer first; false when the user cancels.
    bool stampaConDialogo(const QString& titolo, QPageLayout::Orientation orientamento = QPageLayout::Portrait,
                          int margineTwips = 720);

    // The table as HTML, what stampa() prints.
    QString html(const QString& titolo) const;

signals:
    // Grid coordinates (row 0 is the header).
    void clic(int riga, int colonna);
    void doppioClic(int riga, int colonna);
    void cellaModificata(int riga, int colonna);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint suggerimento) override;

private:
    void prepara();
    void seguiCorrente(const QModelIndex& corrente);
    void seguiScorrimento();

    std::unique_ptr<Griglia> propria_;
    Griglia* griglia_;
    ModelloGriglia* modello_;
    bool inAggiornamento_ = false;
};

}  // namespace quorvane
