#pragma once
// The page of "Metodo proprio" in the method laboratory: the Lua file of the player's method in an
// editor (open, save, the six examples), a field for each parameter the script reads with
// parametro(nome, predefinito), and the log of the last run with the line of an error marked.
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "index/MetodoProprio.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace quorvane {

class EditorLua;
class Sessione;

class PaginaMetodoProprio : public QWidget {
    Q_OBJECT
public:
    explicit PaginaMetodoProprio(Sessione& sessione, QWidget* padre = nullptr);

    // The method in the editor, compiled; null with the reason in `errore` (and the line
    // marked) when it does not compile.
    std::shared_ptr<const MetodoProprio> metodo(QString* errore);
    // The values typed in the parameter fields, by name; empty fields are left to the script.
    std::map<std::string, std::string> parametri() const;
    // The log of a run and, when it stopped, the line it stopped at.
    void mostraEsito(const std::vector<std::string>& registro, int rigaErrore = 0);

    EditorLua* editor() const { return editor_; }
    void apriFile(const QString& percorso);
    bool salvaIn(const QString& percorso);

private:
    void apri();
    void salva(bool chiedi);
    void apriEsempio(int indice);
    // A field for each parametro("nome", predefinito) of the text, keeping what was typed.
    void aggiornaParametri();
    void mostraNome();

    Sessione& sessione_;
    QString percorso_;  // the file the text was opened from or saved to; empty when none
    bool modificato_ = false;
    QComboBox* esempi_;
    QLabel* nomeFile_;
    EditorLua* editor_;
    QFormLayout* campi_;
    std::map<QString, QLineEdit*> parametri_;
    QPlainTextEdit* registro_;
};

}  // namespace quorvane
