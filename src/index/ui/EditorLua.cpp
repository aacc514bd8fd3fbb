#include "index/ui/EditorLua.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextBlock>

namespace quorvane {

namespace {

class MargineNumeri : public QWidget {
public:
    explicit MargineNumeri(EditorLua* editor) : QWidget(editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_->larghezzaMargine(), 0}; }

protected:
    void paintEvent(QPaintEvent* evento) override { editor_->disegnaMargine(evento); }

private:
    EditorLua* editor_;
};

// Keywords, the program's functions, strings, numbers and comments, long comments across lines.
class ColoriLua : public QSyntaxHighlighter {
public:
    explicit ColoriLua(QTextDocument* documento) : QSyntaxHighlighter(documento) {
        QTextCharFormat parola;
        parola.setForeground(QColor(0x00, 0x00, 0xA0));
        parola.setFontWeight(QFont::Bold);
        QTextCharFormat funzione;
        funzione.setForeground(QColor(0x00, 0x70, 0x70));
        QTextCharFormat numero;
        numero.setForeground(QColor(0x80, 0x00, 0x80));
        testo_.setForeground(QColor(0xA0, 0x30, 0x00));
        commento_.setForeground(QColor(0x30, 0x80, 0x30));
        regole_ = {
            {QRegularExpression(QStringLiteral(
                 "\\b(and|break|do|else|elseif|end|false|for|function|goto|if|in|local|nil|not|or|repeat|"
                 "return|then|true|until|while)\\b")),
             parola},
            {QRegularExpression(QStringLiteral(
                 "\\b(estratti|estratto|data|giorno|ritardo|ritardo_ambo|frequenza|fuori90|distanza|vertibile|"
                 "figura|cadenza|decina|parametro|ruote|scrivi)\\b")),
             funzione},
            {QRegularExpression(QStringLiteral("\\b(0[xX][0-9a-fA-F]+|\\d+(\\.\\d*)?([eE][-+]?\\d+)?)\\b")), numero},
            {QRegularExpression(QStringLiteral("\"(\\\\.|[^\"\\\\])*\"|'(\\\\.|[^'\\\\])*'")), testo_},
        };
    }

protected:
    void highlightBlock(const QString& riga) override {
        for (const auto& [forma, formato] : regole_)
            for (auto trovate = forma.globalMatch(riga); trovate.hasNext();) {
                const auto t = trovate.next();
                setFormat(static_cast<int>(t.capturedStart()), static_cast<int>(t.capturedLength()), formato);
            }
        // Comments last: they cover what the rules coloured inside them.
        int inizio = 0;
        setCurrentBlockState(0);
        if (previousBlockState() != 1) {
            inizio = commentoFuoriStringhe(riga);
            if (inizio < 0) return;
            if (!riga.mid(inizio).startsWith(QStringLiteral("--[["))) {
                setFormat(inizio, static_cast<int>(riga.size()) - inizio, commento_);
                return;
            }
        }
        const int fine = static_cast<int>(
            riga.indexOf(QStringLiteral("]]"), inizio + (previousBlockState() == 1 ? 0 : 4)));
        if (fine < 0) {
            setCurrentBlockState(1);
            setFormat(inizio, static_cast<int>(riga.size()) - inizio, commento_);
        } else {
            setFormat(inizio, fine + 2 - inizio, commento_);
        }
    }

private:
    // Where "--" starts outside a string; -1 when nowhere.
    int commentoFuoriStringhe(const QString& riga) const {
        QChar apertura;
        for (int i = 0; i < riga.size(); ++i) {
            const QChar c = riga[i];
            if (!apertura.isNull()) {
                if (c == QLatin1Char('\\')) ++i;
                else if (c == apertura) apertura = QChar();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                apertura = c;
            } else if (c == QLatin1Char('-') && i + 1 < riga.size() && riga[i + 1] == QLatin1Char('-')) {
                return i;
            }
        }
        return -1;
    }

    std::vector<std::pair<QRegularExpression, QTextCharFormat>> regole_;
    QTextCharFormat testo_;
    QTextCharFormat commento_;
};

}  // namespace

EditorLua::EditorLua(QWidget* padre) : QPlainTextEdit(padre), margine_(new MargineNumeri(this)) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 2);
    new ColoriLua(document());
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(larghezzaMargine(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& zona, int dy) {
        if (dy) margine_->scroll(0, dy);
        else margine_->update(0, zona.y(), margine_->width(), zona.height());
    });
    // An edit makes the mark stale: the line it named may have moved.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (rigaErrore_ != 0) segnaErrore(0);
    });
    setViewportMargins(larghezzaMargine(), 0, 0, 0);
}

int EditorLua::larghezzaMargine() const {
    const int cifre = static_cast<int>(QString::number(std::max(1, blockCount())).size());
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(cifre, 3);
}

void EditorLua::resizeEvent(QResizeEvent* evento) {
    QPlainTextEdit::resizeEvent(evento);
    const QRect area = contentsRect();
    margine_->setGeometry(area.left(), area.top(), larghezzaMargine(), area.height());
}

void EditorLua::disegnaMargine(QPaintEvent* evento) {
    QPainter pittore(margine_);
    pittore.fillRect(evento->rect(), palette().color(QPalette::Window));
    QTextBlock blocco = firstVisibleBlock();
    int alto = qRound(blockBoundingGeometry(blocco).translated(contentOffset()).top());
    while (blocco.isValid() && alto <= evento->rect().bottom()) {
        const int basso = alto + qRound(blockBoundingRect(blocco).height());
        const int riga = blocco.blockNumber() + 1;
        if (blocco.isVisible() && basso >= evento->rect().top()) {
            if (riga == rigaErrore_)
                pittore.fillRect(0, alto, margine_->width(), basso - alto, QColor(0xE0, 0x40, 0x40));
            pittore.setPen(riga == rigaErrore_ ? Qt::white : palette().color(QPalette::PlaceholderText));
            pittore.drawText(0, alto, margine_->width() - 4, fontMetrics().height(), Qt::AlignRight,
                             QString::number(riga));
        }
        blocco = blocco.next();
        alto = basso;
    }
}

void EditorLua::segnaErrore(int riga) {
    rigaErrore_ = riga >= 1 && riga <= blockCount() ? riga : 0;
    mostraSegno();
    margine_->update();
    if (rigaErrore_ == 0) return;
    QTextCursor cursore(document()->findBlockByNumber(rigaErrore_ - 1));
    setTextCursor(cursore);
    centerCursor();
}

void EditorLua::mostraSegno() {
    QList<QTextEdit::ExtraSelection> segni;
    if (rigaErrore_ != 0) {
        QTextEdit::ExtraSelection segno;
        segno.format.setBackground(QColor(0xFF, 0xD8, 0xD8));
        segno.format.setProperty(QTextFormat::FullWidthSelection, true);
        segno.cursor = QTextCursor(document()->findBlockByNumber(rigaErrore_ - 1));
        segni.append(segno);
    }
    setExtraSelections(segni);
}

}  // namespace quorvane
