#include "core/ui/VistaGriglia.h"

#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>
#include <unordered_set>

namespace quorvane {

QColor coloreQt(Colore c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

namespace {

Qt::Alignment allineamentoQt(Allineamento a) {
    switch (a) {
        case Allineamento::Centro:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Allineamento::Destra:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Allineamento::Sinistra:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString testoQt(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

// ---------------------------------------------------------------------------------------------

ModelloGriglia::ModelloGriglia(Griglia* griglia, QObject* parent) : QAbstractTableModel(parent), griglia_(griglia) {
    contaCelle();
}

void ModelloGriglia::impostaGriglia(Griglia* griglia) {
    beginResetModel();
    griglia_ = griglia;
    contaCelle();
    endResetModel();
}

int ModelloGriglia::primaRiga() const {
    return std::min(griglia_->righeFisse(), 1);
}

void ModelloGriglia::contaCelle() {
    righe_ = std::max(0, griglia_->righe() - primaRiga());
    colonne_ = griglia_->colonne();
}

bool ModelloGriglia::dentro(int riga, int colonna) const {
    return riga >= 0 && colonna >= 0 && riga < griglia_->righe() && colonna < griglia_->colonne();
}

void ModelloGriglia::reimposta() {
    beginResetModel();
    contaCelle();
    endResetModel();
}

void ModelloGriglia::celleCambiate(int r1, int c1, int r2, int c2) {
    if (r1 > r2) std::swap(r1, r2);
    if (c1 > c2) std::swap(c1, c2);
    r1 = std::max(rigaModello(r1), 0);
    r2 = std::min(rigaModello(r2), rowCount() - 1);
    c1 = std::max(c1, 0);
    c2 = std::min(c2, columnCount() - 1);
    if (r1 <= r2 && c1 <= c2) emit dataChanged(index(r1, c1), index(r2, c2));
}

int ModelloGriglia::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : righe_;
}

int ModelloGriglia::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colonne_;
}

bool ModelloGriglia::fissa(int riga, int colonna) const {
    return riga < griglia_->righeFisse() || colonna < griglia_->colonneFisse();
}

namespace {
// A cell too narrow for its text shows the whole text as its tooltip.
class TestoTroncato : public QObject {
public:
    explicit TestoTroncato(QTableView* vista) : QObject(vista), vista_(vista) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::ToolTip) return QObject::eventFilter(oggetto, evento);
        const auto* aiuto = static_cast<QHelpEvent*>(evento);
        const QModelIndex i = vista_->indexAt(aiuto->pos());
        const QString testo = i.data(Qt::DisplayRole).toString();
        const QVariant grassetto = i.data(Qt::FontRole);
        const QFont carattere = grassetto.isValid() ? grassetto.value<QFont>() : vista_->font();
        const QRect cella = vista_->visualRect(i);
        if (testo.isEmpty() || QFontMetrics(carattere).horizontalAdvance(testo) + 8 <= cella.width())
            return QObject::eventFilter(oggetto, evento);
        QToolTip::showText(aiuto->globalPos(), testo, vista_->viewport(), cella);
        return true;
    }

private:
    QTableView* vista_;
};

// Colours and weight of a cell as the view shows them; fixed cells take the button colours
// when they have none of their own.
QVariant aspettoCella(const Cella& x, int role, bool fissa) {
    switch (role) {
        case Qt::BackgroundRole:
            if (x.sfondo) return QBrush(coloreQt(*x.sfondo));
            if (fissa) return QGuiApplication::palette().button();
            return {};
        case Qt::ForegroundRole:
            if (x.colore) return QBrush(coloreQt(*x.colore));
            if (fissa) return QGuiApplication::palette().buttonText();
            return {};
        case Qt::FontRole:
            if (x.grassetto) {
                QFont f;
                f.setBold(true);
                return f;
            }
            return {};
        default:
            return {};
    }
}
}  // namespace

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int r = rigaGriglia(index.row());
    const int c = index.column();
    if (!dentro(r, c)) return {};
    const Cella& x = griglia_->cella(r, c);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return testoQt(x.testo);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(allineamentoQt(griglia_->allineamento(r, c)));
        default:
            return aspettoCella(x, role, fissa(r, c));
    }
}

QVariant ModelloGriglia::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole) return rigaGriglia(section);
        return {};
    }
    if (section < 0 || section >= griglia_->colonne() || griglia_->righe() == 0) return {};
    const Cella& x = griglia_->cella(0, section);
    if (role == Qt::DisplayRole) return testoQt(x.testo);
    return aspettoCella(x, role, false);
}

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& index) const {
    if (!index.isValid() || !dentro(rigaGriglia(index.row()), index.column())) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (griglia_->colonnaModificabile(index.column()) && !fissa(rigaGriglia(index.row()), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModelloGriglia::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = rigaGriglia(index.row());
    griglia_->impostaTesto(r, index.column(), value.toString().toStdString());
    emit dataChanged(index, index);
    emit cellaModificata(r, index.column());
    return true;
}

// ---------------------------------------------------------------------------------------------

QWidget* DelegatoElenco::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const auto* modello = qobject_cast<const ModelloGriglia*>(index.model());
    if (modello && !modello->griglia()->elencoModifica(index.column()).empty()) {
        const Griglia& g = *modello->griglia();
        auto* combo = new QComboBox(parent);
        combo->setEditable(g.elencoLibero(index.column()));
        for (const auto& v : g.valoriElenco(index.column())) combo->addItem(testoQt(v));
        return combo;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void DelegatoElenco::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentText(index.data(Qt::EditRole).toString());
        // A key that opened the editor replaces the value rather than add to it.
        if (combo->lineEdit()) combo->lineEdit()->selectAll();
    } else QStyledItemDelegate::setEditorData(editor, index);
}

void DelegatoElenco::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentText(), Qt::EditRole);
    else QStyledItemDelegate::setModelData(editor, model, index);
}

// ---------------------------------------------------------------------------------------------

VistaGriglia::VistaGriglia(const std::string& nome, QWidget* parent)
    : QTableView(parent), propria_(std::make_unique<Griglia>(nome)), griglia_(propria_.get()) {
    prepara();
}

VistaGriglia::VistaGriglia(Griglia* esterna, QWidget* parent) : QTableView(parent), griglia_(esterna) {
    prepara();
}

VistaGriglia::~VistaGriglia() {
    griglia_->impostaAscoltatore({});
}

void VistaGriglia::prepara() {
    setObjectName(testoQt(griglia_->nome()));
    modello_ = new ModelloGriglia(griglia_, this);
    setModel(modello_);
    setItemDelegate(new DelegatoElenco(this));
    setWordWrap(false);
    viewport()->installEventFilter(new TestoTroncato(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    // Tab moves between the window's controls; the arrow keys walk the cells.
    setTabKeyNavigation(false);

    // Fixed row heights keep 10,000 rows as cheap as 10: no row is ever measured.
    auto* vh = verticalHeader();
    vh->hide();
    vh->setSectionResizeMode(QHeaderView::Fixed);
    vh->setDefaultSectionSize(std::max(fontMetrics().height() + 6, vh->minimumSectionSize()));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& corrente) { seguiCorrente(corrente); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        seguiCorrente(i);
        emit clic(modello_->rigaGriglia(i.row()), i.column());
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { emit doppioClic(modello_->rigaGriglia(i.row()), i.column()); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { seguiScorrimento(); });
    connect(modello_, &ModelloGriglia::cellaModificata, this, &VistaGriglia::cellaModificata);
    // Queued: the owner is still filling the grid when the first change arrives.
    griglia_->impostaAscoltatore(
        [this] { QMetaObject::invokeMethod(this, &VistaGriglia::aggiornaCambi, Qt::QueuedConnection); });
    aggiorna();
}

void VistaGriglia::aggiornaCambi() {
    switch (griglia_->cambioInAttesa()) {
        case Cambio::Nessuno:
            return;
        case Cambio::Celle:
            // The model reads the cells as they are, so a repaint shows them; a dataChanged would
            // also rewrite an editor opened since, under the user's typing.
            griglia_->prendiCambio();
            viewport()->update();
            horizontalHeader()->viewport()->update();
            return;
        case Cambio::Forma:
            aggiorna();
            return;
    }
}

void VistaGriglia::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint suggerimento) {
    // Tab in a cell being edited keeps what was typed and leaves the grid, as Tab does elsewhere.
    const bool tab = suggerimento == QAbstractItemDelegate::EditNextItem ||
                     suggerimento == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : suggerimento);
    if (tab) focusNextPrevChild(suggerimento == QAbstractItemDelegate::EditNextItem);
}

void VistaGriglia::seguiCorrente(const QModelIndex& corrente) {
    if (inAggiornamento_ || !corrente.isValid()) return;
    griglia_->annotaCorrente(modello_->rigaGriglia(corrente.row()), corrente.column());
}

void VistaGriglia::seguiScorrimento() {
    if (inAggiornamento_) return;
    const int r = rowAt(0);
    if (r >= 0) griglia_->annotaPrimaRigaMostrata(modello_->rigaGriglia(r));
}

void VistaGriglia::aggiorna() {
    griglia_->prendiCambio();
    inAggiornamento_ = true;
    const int prima = griglia_->primaRigaMostrata();
    const int rigaCorrente = griglia_->rigaCorrente();
    const int colonnaCorrente = griglia_->colonnaCorrente();

    modello_->reimposta();

    const Griglia& g = *griglia_;
    horizontalHeader()->setVisible(g.righeFisse() > 0);
    for (int c = 0; c < g.colonne(); ++c) {
        setColumnHidden(c, g.colonnaNascosta(c));
        if (g.larghezzaColonna(c) > 0) setColumnWidth(c, g.larghezzaColonna(c));
    }
    // The header keeps its hidden sections across a reset when the row count is unchanged, so
    // every row is set; unchanged ones return at once.
    const int righeModello = modello_->rowCount();
    bool nascoste = verticalHeader()->hiddenSectionCount() > 0;
    for (int r = modello_->primaRiga(); r < g.righe() && !nascoste; ++r) nascoste = g.rigaNascosta(r);
    if (nascoste)
        for (int m = 0; m < righeModello; ++m) setRowHidden(m, g.rigaNascosta(modello_->rigaGriglia(m)));

    const int mCorrente = modello_->rigaModello(rigaCorrente);
    if (mCorrente >= 0 && mCorrente < righeModello && colonnaCorrente < g.colonne())
        selectionModel()->setCurrentIndex(
            modello_->index(mCorrente, colonnaCorrente),
            selectionMode() == NoSelection ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);

    executeDelayedItemsLayout();
    int mPrima = std::max(modello_->rigaModello(prima), 0);
    while (mPrima < righeModello && isRowHidden(mPrima)) ++mPrima;
    if (mPrima < righeModello) {
        int colonna = 0;
        while (colonna < g.colonne() - 1 && isColumnHidden(colonna)) ++colonna;
        scrollTo(modello_->index(mPrima, colonna), PositionAtTop);
    } else {
        verticalScrollBar()->setValue(0);
    }
    griglia_->annotaPrimaRigaMostrata(prima);
    griglia_->annotaCorrente(rigaCorrente, colonnaCorrente);
    inAggiornamento_ = false;
}

void VistaGriglia::aggiornaCelle(int r1, int c1, int r2, int c2) {
    modello_->celleCambiate(r1, c1, r2, c2);
}

void VistaGriglia::adattaColonne(int prima, int ultima) {
    aggiornaCambi();
    const Griglia& g = *griglia_;
    if (ultima < 0 || ultima >= g.colonne()) ultima = g.colonne() - 1;
    prima = std::max(prima, 0);

    QFont grassetto = font();
    grassetto.setBold(true);
    const QFontMetrics normale(font()), spesso(grassetto);
    const int margineCella = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    const int margineIntestazione = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 8;
    constexpr std::size_t massimoMisure = 400;

    for (int c = prima; c <= ultima; ++c) {
        if (g.colonnaNascosta(c)) continue;
        int larghezza = 0;
        if (g.righe() > 0 && g.righeFisse() > 0) {
            QFont fi = horizontalHeader()->font();
            fi.setBold(g.grassetto(0, c));
            larghezza = QFontMetrics(fi).horizontalAdvance(testoQt(g.testo(0, c))) + margineIntestazione;
        }
        // Measuring every cell of a long grid costs more than the reset itself; widths follow
        // the length of the text closely, so only the longest distinct texts are measured.
        const int inizio = modello_->primaRiga();
        std::size_t piuLungo = 0;
        for (int r = inizio; r < g.righe(); ++r)
            if (!g.rigaNascosta(r)) piuLungo = std::max(piuLungo, g.testo(r, c).size());
        const std::size_t soglia = piuLungo > 2 ? piuLungo - 2 : 0;
        std::unordered_set<std::string_view> visti[2];
        std::size_t misure = 0;
        for (int r = inizio; r < g.righe() && misure < massimoMisure; ++r) {
            if (g.rigaNascosta(r)) continue;
            const Cella& x = g.cella(r, c);
            if (x.testo.size() < soglia || !visti[x.grassetto].insert(x.testo).second) continue;
            ++misure;
            const QFontMetrics& fm = x.grassetto ? spesso : normale;
            larghezza = std::max(larghezza, fm.horizontalAdvance(testoQt(x.testo)) + margineCella);
        }
        setColumnWidth(c, std::max(larghezza, horizontalHeader()->minimumSectionSize()));
    }
}

void VistaGriglia::copiaTabella() const {
    QGuiApplication::clipboard()->setText(testoQt(griglia_->testoTabella()));
}

QString VistaGriglia::html(const QString& titolo) const {
    const Griglia& g = *griglia_;
    const QString pulsante = palette().button().color().name();
    QString h;
    h.reserve(64 + g.righe() * g.colonne() * 40);
    h += QStringLiteral("<html><body><h3>") + titolo.toHtmlEscaped() +
         QStringLiteral("</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    const auto riga = [&](int r, bool intestazione) {
        h += QStringLiteral("<tr>");
        for (int c = 0; c < g.colonne(); ++c) {
            if (g.colonnaNascosta(c)) continue;
            const Cella& x = g.cella(r, c);
            const bool fissa = r < g.righeFisse() || c < g.colonneFisse();
            h += intestazione ? QStringLiteral("<th") : QStringLiteral("<td");
            if (x.sfondo) h += QStringLiteral(" bgcolor=\"") + coloreQt(*x.sfondo).name() + '"';
            else if (fissa) h += QStringLiteral(" bgcolor=\"") + pulsante + '"';
            switch (g.allineamento(r, c)) {
                case Allineamento::Centro:
                    h += QStringLiteral(" align=\"center\"");
                    break;
                case Allineamento::Destra:
                    h += QStringLiteral(" align=\"right\"");
                    break;
                case Allineamento::Sinistra:
                    break;
            }
            h += '>';
            QString t = testoQt(x.testo).toHtmlEscaped();
            if (x.colore)
                t = QStringLiteral("<font color=\"") + coloreQt(*x.colore).name() + QStringLiteral("\">") + t +
                    QStringLiteral("</font>");
            if (x.grassetto && !intestazione) t = QStringLiteral("<b>") + t + QStringLiteral("</b>");
            h += t;
            h += intestazione ? QStringLiteral("</th>") : QStringLiteral("</td>");
        }
        h += QStringLiteral("</tr>");
    };
    for (int r = 0; r < g.righe(); ++r)
        if (!g.rigaNascosta(r)) riga(r, r == 0 && g.righeFisse() > 0);
    h += QStringLiteral("</table></body></html>");
    return h;
}

void VistaGriglia::stampa(const QString& titolo, QPrinter& stampante, QPageLayout::Orientation orientamento,
                          int margineTwips) const {
    const double mm = margineTwips / 1440.0 * 25.4;
    stampante.setPageOrientation(orientamento);
    stampante.setPageMargins(QMarginsF(mm, mm, mm, mm), QPageLayout::Millimeter);
    QTextDocument documento;
    QFont carattere = font();
    carattere.setPointSizeF(std::min(carattere.pointSizeF() > 0 ? carattere.pointSizeF() : 9.0, 9.0));
    documento.setDefaultFont(carattere);
    documento.setHtml(html(titolo));
    documento.print(&stampante);
}

bool VistaGriglia::stampaConDialogo(const QString& titolo, QPageLayout::Orientation orientamento, int margineTwips) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageOrientation(orientamento);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    if (dialogo.exec() != QDialog::Accepted) return false;
    // The user may have turned the page in the dialog.
    stampa(titolo, stampante, stampante.pageLayout().orientation(), margineTwips);
    return true;
}

}  // namespace quorvane
