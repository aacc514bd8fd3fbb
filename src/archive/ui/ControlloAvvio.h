#pragma once
// The check of the official archive at start-up: when the calendar says draws are missing and
// the user asked for it, the official file is asked for only if it changed (a conditional
// request); its new draws are shown in the archive window for AGGIORNAMENTO, never written here.
// The check runs while the windows stay in use, with a short time limit of its own; its
// "Annulla" in the status bar stops it.

namespace quorvane {

class FinestraPrincipale;

// Asks on the first start whether to check; then, when checking, starts the check and returns.
void controlloArchivioAllAvvio(FinestraPrincipale& principale);

}  // namespace quorvane
