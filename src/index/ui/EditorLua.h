#pragma once
// The text editor of a player's method: Lua colouring, line numbers in the margin, and the line
// an error stopped at marked until the text changes.
#include <QPlainTextEdit>

namespace quorvane {

class EditorLua : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorLua(QWidget* padre = nullptr);

    // Marks line `riga` (from 1) and brings it into view; 0 clears the mark.
    void segnaErrore(int riga);
    int rigaSegnata() const { return rigaErrore_; }

    int larghezzaMargine() const;
    void disegnaMargine(QPaintEvent* evento);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void mostraSegno();

    QWidget* margine_;
    int rigaErrore_ = 0;
};

}  // namespace quorvane
