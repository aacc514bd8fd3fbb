#pragma once
// Answers every box the windows open, as a test scripts it, and remembers what they said.
#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <deque>
#include <optional>
#include <vector>

#include "core/ui/Dialoghi.h"

namespace test {

struct Messaggio {
    QMessageBox::Icon icona;
    QString titolo;
    QString testo;
};

struct Domanda {
    QString titolo;
    QString testo;
    QString iniziale;  // the proposed answer of an input box, the starting path of a save dialog
};

class DialoghiFinti {
public:
    DialoghiFinti() : originali_(quorvane::Dialoghi::correnti()) {
        auto& d = quorvane::Dialoghi::correnti();
        d.messaggio = [this](QWidget*, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
            messaggi.push_back({icona, titolo, testo});
        };
        d.conferma = [this](QWidget*, const QString& titolo, const QString& testo) {
            domande.push_back({titolo, testo, {}});
            return risposteSi;
        };
        d.apriFile = [this](QWidget*, const QString&, const QString&, const QString&) { return fileScelto; };
        d.salvaFile = [this](QWidget*, const QString& titolo, const QString& percorso, const QString&, const QString&) {
            domande.push_back({titolo, {}, percorso});
            return fileDaSalvare;
        };
        d.apriIndirizzo = [this](const QUrl& indirizzo) {
            indirizziAperti.push_back(indirizzo);
            return true;
        };
        d.chiediTesto = [this](QWidget*, const QString& titolo, const QString& etichetta,
                               const QString& iniziale) -> std::optional<QString> {
            domande.push_back({titolo, etichetta, iniziale});
            if (testi.empty()) return std::nullopt;
            QString t = testi.front();
            testi.pop_front();
            return t;
        };
        d.scegli = [this](QWidget*, const QString& titolo, const QString& etichetta,
                          const QStringList& voci) -> std::optional<QString> {
            domande.push_back({titolo, etichetta, {}});
            vociOfferte = voci;
            if (sceltaVoce < 0 || sceltaVoce >= voci.size()) return std::nullopt;
            return voci[sceltaVoce];
        };
    }
    ~DialoghiFinti() { quorvane::Dialoghi::correnti() = originali_; }
    DialoghiFinti(const DialoghiFinti&) = delete;
    DialoghiFinti& operator=(const DialoghiFinti&) = delete;

    std::vector<Messaggio> messaggi;
    std::vector<Domanda> domande;
    bool risposteSi = true;     // the answer to every Yes/No box
    QString fileScelto;         // empty: the user cancels the file dialog
    std::deque<QString> testi;  // answers of the input boxes; none left: cancelled
    QString fileDaSalvare;      // empty: the user cancels the save dialog
    int sceltaVoce = -1;        // the item chosen from a list; -1: cancelled
    QStringList vociOfferte;    // the items the last list offered
    std::vector<QUrl> indirizziAperti;

private:
    quorvane::Dialoghi originali_;
};

}  // namespace test
