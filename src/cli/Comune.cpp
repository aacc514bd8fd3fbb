#include "cli/Comune.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <sstream>

#include "core/SceltaEstrazione.h"
#include "core/db/CartellaDati.h"
#include "core/db/DatabaseProgramma.h"
#include "core/db/FileArchivio.h"

namespace quorvane::cli {

void stampa(const Opzioni& opzioni, const Griglia& griglia, const CampiExtra& extra) {
    std::string testo = opzioni.json ? grigliaJson(griglia, extra) + "\n" : grigliaTsv(griglia);
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

void stampaConEtichette(const Opzioni& opzioni, const Griglia& griglia, const CampiExtra& etichette,
                        const std::vector<const Griglia*>& altre) {
    CampiExtra extra;
    for (const Griglia* g : altre) extra.emplace_back(g->nome(), JsonGrezzo{grigliaJson(*g)});
    extra.insert(extra.end(), etichette.begin(), etichette.end());
    if (opzioni.json) return stampa(opzioni, griglia, extra);
    std::string testo = grigliaTsv(griglia);
    for (const Griglia* g : altre) {
        testo += '\n';
        testo += grigliaTsv(*g);
    }
    for (const auto& [nome, valore] : etichette) {
        testo += nome + '\t';
        testo += std::holds_alternative<long long>(valore) ? std::to_string(std::get<long long>(valore))
                                                           : std::get<std::string>(valore);
        testo += '\n';
    }
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

namespace {
QString archivioDelProgramma() {
    const QString cartella = cartellaDati();
    if (!QFileInfo::exists(QDir(cartella).filePath(DatabaseProgramma::NomeFile)))
        throw ErroreComando{EsitoInputErrato,
                            "il programma non è mai stato avviato: indicare l'archivio con --archivio FILE"};
    QString errore;
    auto programma = DatabaseProgramma::apri(cartella, {}, &errore);
    if (!programma) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    QString percorso = programma->parametro(Parametri::PercorsoArchivio).value_or(QString());
    if (percorso.isEmpty())
        throw ErroreComando{EsitoInputErrato, "nessun archivio configurato: usare --archivio FILE"};
    return percorso;
}
}  // namespace

QString percorsoArchivio(const Opzioni& opzioni) {
    return opzioni.archivio ? QString::fromStdString(*opzioni.archivio) : archivioDelProgramma();
}

ArchivioEstrazioni caricaArchivio(const Opzioni& opzioni, int estrazioneIniziale) {
    const QString percorso = percorsoArchivio(opzioni);
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

int estrazioneDa(const ArchivioEstrazioni& archivio, const std::string& testo) {
    if (auto e = testo.find('/') != std::string::npos ? estrazioneDellaData(archivio, testo)
                                                      : indiceDigitato(archivio, testo))
        return *e;
    throw ErroreComando{EsitoInputErrato, "estrazione non trovata: " + testo + " (l'archivio va dalla 1 alla " +
                                              std::to_string(archivio.NumEstrazioni) + ")"};
}

std::array<bool, NumRuote> ruoteDaTesto(const std::string& testo) {
    std::array<bool, NumRuote> ruote{};
    std::stringstream elenco(testo);
    std::string sigla;
    while (std::getline(elenco, sigla, ',')) {
        auto ruota = ruotaDaSigla(sigla);
        if (!ruota) throw ErroreComando{EsitoInputErrato, "ruota sconosciuta: " + sigla};
        if (*ruota == RuotaTutte) ruote.fill(true);
        else ruote[*ruota - 1] = true;
    }
    return ruote;
}

void controllaOpzioni(const Opzioni& opzioni, std::initializer_list<const char*> ammesse,
                      std::size_t posizionali) {
    auto controlla = [&ammesse](const std::string& nome) {
        bool nota = false;
        for (const char* a : ammesse) nota = nota || nome == a;
        if (!nota) throw ErroreComando{EsitoUsoErrato, "opzione sconosciuta: --" + nome};
    };
    for (const auto& [nome, valori] : opzioni.valori) controlla(nome);
    for (const auto& nome : opzioni.segnali) controlla(nome);
    if (opzioni.argomenti.size() != posizionali)
        throw ErroreComando{EsitoUsoErrato, "numero di argomenti errato per " + opzioni.comando};
}

}  // namespace quorvane::cli
