// Commands on the update download, the exports to other programs' formats and the draw calendar.
#include <QDir>
#include <QString>

#include "archive/Calendario.h"
#include "archive/Esportazione.h"
#include "archive/db/FileArchivio.h"
#include "archive/db/FileEsportazione.h"
#include "archive/db/ScaricoAggiornamento.h"
#include "cli/Comune.h"
#include "core/db/CartellaDati.h"

namespace quorvane::cli {

namespace {
// The server of the program's parameter; the default one when the program never started.
QString indirizzoDelProgramma() {
    auto programma = databaseProgramma();
    return programma ? indirizzoAggiornamenti(*programma) : IndirizzoAggiornamentiPredefinito;
}

int scaricaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"controlla"}, 0);
    const bool controlla = opzioni.segnale("controlla");
    // The archive is found before the download, so that a missing one costs no transfer.
    const QString archivio = controlla ? percorsoArchivio(opzioni) : QString();
    const QString cartella = cartellaDati();
    const QString copia = QDir(cartella).filePath(NomeCopiaAggiornamento);
    QString errore;
    if (!scaricaAggiornamento(indirizzoDelProgramma(), copia, &errore))
        throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    if (!controlla) {
        stampaMessaggio(opzioni, "Fatto: " + QDir::toNativeSeparators(copia).toStdString());
        return 0;
    }
    auto letto = leggiCopiaAggiornamento(copia);
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) throw ErroreComando{EsitoInputErrato, e->messaggio};
    auto memorizzate = leggiFileArchivio(archivio, &errore);
    if (!memorizzate) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    stampaControllo(opzioni, std::get<std::vector<RigaAggiornamento>>(letto), *memorizzate);
    return 0;
}

// Never over the archive read nor over the program database.
void scrivi(const Opzioni& opzioni, const QString& file, const std::string& contenuto) {
    const std::vector<FileProtetto> protetti = {
        {percorsoArchivio(opzioni), QStringLiteral("l'archivio in uso")},
        {QDir(cartellaDati()).filePath(DatabaseProgramma::NomeFile), QStringLiteral("il database del programma")}};
    QString errore;
    if (!scriviEsportazione(file, contenuto, protetti, &errore))
        throw ErroreComando{EsitoInputErrato, errore.toStdString()};
}

int esportaCmd(const Opzioni& opzioni) {
    const std::string formato = opzioni.argomenti.empty() ? std::string() : opzioni.argomenti[0];
    const bool conFile = formato == "dati-iii" || formato == "nazionale";
    if (!conFile && formato != "zendravolta")
        throw ErroreComando{EsitoUsoErrato, "formato sconosciuto: usare dati-iii FILE, nazionale FILE o zendravolta"};
    controllaOpzioni(opzioni, {}, conFile ? 2 : 1);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    QString file;
    if (formato == "zendravolta") {
        const QString cartella = cartellaZendravolta();
        if (cartella.isEmpty()) throw ErroreComando{EsitoInputErrato, "Attenzione Zendravolta non presente."};
        file = fileZendravolta(cartella);
        scrivi(opzioni, file, esportaZendravolta(archivio));
    } else {
        file = QString::fromStdString(opzioni.argomenti[1]);
        scrivi(opzioni, file, formato == "dati-iii" ? esportaDatiIII(archivio) : esportaNazionale(archivio));
    }
    stampaMessaggio(opzioni, "Fatto: " + QDir::toNativeSeparators(file).toStdString());
    return 0;
}

int calendarioCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"lettere"}, 1);
    const std::string& testo = opzioni.argomenti[0];
    const int anno = intero(testo, "l'anno", 1, 9999);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    std::vector<Data> date;
    for (int e = 1; e <= archivio.NumEstrazioni(); ++e)
        if (archivio.DataEstrazione(e).anno == anno) date.push_back(archivio.DataEstrazione(e));
    Griglia calendario("fg1");
    riempiCalendario(calendario, anno, date);
    if (opzioni.segnale("lettere")) lettereGiorniSettimana(calendario);
    stampa(opzioni, tabelle::Calendario, calendario);
    return 0;
}
}  // namespace

std::vector<Comando> comandiEsportazione() {
    return {
        {"scarica-aggiornamento", "[--controlla]",
         "scarica il file di aggiornamento dal sito in Estr_Agg.txt e, con --controlla, lo confronta con l'archivio",
         scaricaCmd},
        {"esporta", "dati-iii FILE | nazionale FILE | zendravolta",
         "salva l'archivio in formato Dati.iii, come testo della ruota Nazionale o in DATI32.III di Zendravolta",
         esportaCmd},
        {"calendario", "ANNO [--lettere]",
         "le estrazioni dell'anno per mese e giorno, con il giorno della settimana (numero o lettera)", calendarioCmd},
    };
}

}  // namespace quorvane::cli
