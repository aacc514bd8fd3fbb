// quorvane-cli: the program's analyses without windows, through the same engine.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>

#include "cli/Opzioni.h"
#include "core/ElencoEstrazioni.h"
#include "core/GrigliaTesto.h"
#include "core/db/CartellaDati.h"
#include "core/db/DatabaseProgramma.h"
#include "core/db/FileArchivio.h"

using namespace quorvane;
using quorvane::cli::Opzioni;

namespace {

constexpr int EsitoInputErrato = 1;
constexpr int EsitoUsoErrato = 2;

const char* const uso =
    "Uso: quorvane-cli [--archivio FILE] [--json] COMANDO [opzioni]\n"
    "Comandi:\n"
    "  importa-storico FILE --archivio DB   aggiunge all'archivio DB (creato se manca) le estrazioni\n"
    "                                       del file storico ufficiale FILE\n"
    "  estrazioni                           elenco delle estrazioni (indice, data, progressivi)\n"
    "  periodo [--iniziale N]               archivio modello dall'estrazione N\n";

struct ErroreComando {
    int esito;
    std::string messaggio;
};

void stampa(const Opzioni& opzioni, const Griglia& griglia) {
    std::string testo = opzioni.json ? grigliaJson(griglia) + "\n" : grigliaTsv(griglia);
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

// The archive of --archivio, or the one the program's parameter names.
ArchivioEstrazioni caricaArchivio(const Opzioni& opzioni, int estrazioneIniziale) {
    QString percorso;
    if (opzioni.archivio) {
        percorso = QString::fromStdString(*opzioni.archivio);
    } else {
        const QString cartella = cartellaDati();
        if (!QFileInfo::exists(QDir(cartella).filePath(DatabaseProgramma::NomeFile)))
            throw ErroreComando{EsitoInputErrato,
                                "il programma non è mai stato avviato: indicare l'archivio con --archivio FILE"};
        QString errore;
        auto programma = DatabaseProgramma::apri(cartella, {}, &errore);
        if (!programma) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
        percorso = programma->parametro(QStringLiteral("PercorsoArchivio")).value_or(QString());
        if (percorso.isEmpty())
            throw ErroreComando{EsitoInputErrato, "nessun archivio configurato: usare --archivio FILE"};
    }
    QString errore;
    auto righe = leggiFileArchivio(percorso, &errore);
    if (!righe) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    ArchivioEstrazioni archivio;
    archivio.EstrazioneIniziale = estrazioneIniziale;
    switch (archivio.CaricaArchivio(*righe, TipoCaricamento::Avvio)) {
        case EsitoCaricamento::Riuscito:
            break;
        case EsitoCaricamento::ArchivioVuoto:
            throw ErroreComando{EsitoInputErrato, "l'archivio non contiene estrazioni leggibili"};
        case EsitoCaricamento::InizialeOltreArchivio:
            throw ErroreComando{EsitoInputErrato, "l'estrazione iniziale " + std::to_string(estrazioneIniziale) +
                                                      " è oltre l'ultima estrazione dell'archivio"};
    }
    return archivio;
}

int intero(const std::string& testo, const std::string& opzione) {
    try {
        std::size_t fine = 0;
        int valore = std::stoi(testo, &fine);
        if (fine == testo.size()) return valore;
    } catch (const std::exception&) {
    }
    throw ErroreComando{EsitoInputErrato, "valore non valido per --" + opzione + ": " + testo};
}

void controllaOpzioni(const Opzioni& opzioni, std::initializer_list<const char*> ammesse,
                      std::size_t posizionali) {
    for (const auto& [nome, valore] : opzioni.valori) {
        bool nota = false;
        for (const char* a : ammesse) nota = nota || nome == a;
        if (!nota) throw ErroreComando{EsitoUsoErrato, "opzione sconosciuta: --" + nome};
    }
    if (opzioni.argomenti.size() != posizionali)
        throw ErroreComando{EsitoUsoErrato, "numero di argomenti errato per " + opzioni.comando};
}

int importaStoricoCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 1);
    if (!opzioni.archivio) throw ErroreComando{EsitoUsoErrato, "importa-storico richiede --archivio DB"};
    QString errore;
    auto esito = importaStorico(QString::fromStdString(opzioni.argomenti[0]),
                                QString::fromStdString(*opzioni.archivio), &errore);
    if (!esito) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    std::cout << "Estrazioni lette: " << esito->lette << ", aggiunte all'archivio: " << esito->aggiunte
              << "\n";
    return 0;
}

int estrazioniCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 0);
    Griglia fgpa("fgpa");
    riempiElencoEstrazioni(fgpa, caricaArchivio(opzioni, 1));
    stampa(opzioni, fgpa);
    return 0;
}

int periodoCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"iniziale"}, 0);
    auto iniziale = opzioni.valori.find("iniziale");
    int n = iniziale == opzioni.valori.end() ? 1 : intero(iniziale->second, "iniziale");
    stampa(opzioni, grigliaPeriodo(caricaArchivio(opzioni, n).periodoModello()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    if (argomenti.empty() || argomenti[0] == "--help" || argomenti[0] == "-h") {
        (argomenti.empty() ? std::cerr : std::cout) << uso;
        return argomenti.empty() ? EsitoUsoErrato : 0;
    }
    const char* aiuto = " (quorvane-cli --help per l'uso)\n";
    std::string errore;
    auto opzioni = cli::leggiOpzioni(argomenti, &errore);
    if (!opzioni) {
        std::cerr << "Errore: " << errore << aiuto;
        return EsitoUsoErrato;
    }
    static const std::map<std::string, std::function<int(const Opzioni&)>> comandi = {
        {"importa-storico", importaStoricoCmd},
        {"estrazioni", estrazioniCmd},
        {"periodo", periodoCmd},
    };
    auto comando = comandi.find(opzioni->comando);
    if (comando == comandi.end()) {
        std::cerr << "Errore: comando sconosciuto: " << opzioni->comando << aiuto;
        return EsitoUsoErrato;
    }
    try {
        return comando->second(*opzioni);
    } catch (const ErroreComando& e) {
        std::cerr << "Errore: " << e.messaggio << "\n";
        return e.esito;
    }
}
