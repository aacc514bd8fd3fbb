#pragma once
// What the pages of the archive window share: their fixed texts and framed labels, the help
// button, the error box, the work bar and the reload of the archive after a write.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/ui/Controlli.h"

namespace quorvane {

class FinestraPrincipale;

inline constexpr int ArgomentoHelpArchivio = 320;

QLabel* testoFisso(const QString& testo, QWidget* padre);
// A framed, centred label named `nome`.
QLabel* etichettaIncorniciata(const char* nome, QWidget* padre);
// A box the user reads and copies but cannot type in, drawn with the window's background so
// that it does not look editable.
void casellaSolaLettura(QLineEdit* casella);
// "Help in linea": the help topic of the archive window.
QPushButton* pulsanteHelp(const char* nome, QWidget* padre);

void messaggioErrore(QWidget* padre, const QString& titolo, const QString& testo);
// A step of a long job on the main window's bar.
void avanzamento(FinestraPrincipale& principale, int valore, int massimo);

// Reloads the whole archive in memory; false, with a message, when it failed. Every window,
// the archive window included, follows the reload through the session's announcement.
bool caricaArchivioExNovo(FinestraPrincipale& principale, QWidget* padre);

}  // namespace quorvane
