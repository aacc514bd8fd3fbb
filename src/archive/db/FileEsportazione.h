#pragma once
// Where the exports go: any file the user chooses, and the archive of the Zendravolta program,
// "C:\KVEL3\DATI32.III" on Windows and the same place on Wine's drive C: elsewhere.
#include <QString>
#include <string>
#include <vector>

namespace quorvane {

// A file an export must never replace, and how a message names it ("l'archivio in uso").
struct FileProtetto {
    QString percorso;
    QString nome;
};

// Writes the whole file through a temporary one: a failure leaves the previous file as it was,
// and a shorter content leaves nothing of a longer previous file. A target that is one of
// `protetti` (through links too) is refused, the message naming it.
bool scriviEsportazione(const QString& percorso, const std::string& contenuto,
                        const std::vector<FileProtetto>& protetti, QString* errore);

// The folder KVEL3 of drive C: (found whatever its letter case under Wine, whose prefix is
// WINEPREFIX or ~/.wine), whether it exists or not.
QString cartellaZendravoltaPrevista();
// That folder; empty when it does not exist.
QString cartellaZendravolta();
// DATI32.III in that folder, or the file already there under another letter case.
QString fileZendravolta(const QString& cartella);

}  // namespace quorvane
