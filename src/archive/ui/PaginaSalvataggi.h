#pragma once
// Page "Salvataggi": the site address, the official archive's address and the exports of the
// archive to other programs' formats.
#include <QWidget>
#include <string>

#include "core/ArchivioEstrazioni.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorvane {

class FinestraPrincipale;
class Sessione;

class PaginaSalvataggi : public QWidget {
    Q_OBJECT
public:
    explicit PaginaSalvataggi(FinestraPrincipale& principale, QWidget* padre = nullptr);

    void collegaAlSito();
    void rendePredefinitoIndirizzo();
    void rendePredefinitoArchivioUfficiale();
    void rendePredefinitoPercorsoDati();
    // The check of the official archive at start-up, on or off from the next start.
    void impostaControlloAvvio(bool attivo);
    void salvaDatiIII();
    void salvaZendravolta();
    void salvaNazionale();

private:
    QWidget* creaSito();
    QWidget* creaArchivioUfficiale();
    QWidget* creaFormati();
    void salvaParametro(const QString& nome, const QString& valore);
    // Writes a parameter row; false, with a message, when it was not written.
    bool scriviParametro(const QString& nome, const QString& valore);
    // Writes one export of the whole archive with progress; false, with a message, on failure.
    bool esporta(const QString& file, std::string (*formato)(const ArchivioEstrazioni&, const Avanzamento&),
                 const QString& titolo);

    FinestraPrincipale& principale_;
    Sessione& sessione_;
    QLabel* indirizzoSito_;                  // Label5: the address read at start-up
    QLineEdit* nuovoIndirizzoSito_;          // Text2
    QLineEdit* indirizzoArchivioUfficiale_;  // TxtArchivioUfficiale
    QCheckBox* controlloAvvio_;              // ChkControlloAvvio
    QLabel* percorsoDatiIII_;                // Label13
};

}  // namespace quorvane
