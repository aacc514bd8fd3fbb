#include "cli/Comune.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "archive/db/FileArchivio.h"
#include "core/SceltaEstrazione.h"
#include "core/db/CartellaDati.h"
#include "core/db/DatabaseProgramma.h"
#include "core/db/Sessione.h"

namespace quorvane::cli {

void stampa(const Opzioni& opzioni, std::string_view tabella, const Griglia& griglia, const CampiExtra& extra) {
    std::string testo = opzioni.json ? grigliaJson(griglia, tabella, extra) + "\n" : grigliaTsv(griglia);
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

std::pair<std::string, ValoreExtra> campoTabella(const TabellaJson& tabella) {
    return {std::string(tabella.nome), JsonGrezzo{grigliaJson(*tabella.griglia, tabella.nome)}};
}

void stampaConEtichette(const Opzioni& opzioni, std::string_view tabella, const Griglia& griglia,
                        const CampiExtra& etichette, const std::vector<TabellaJson>& altre) {
    CampiExtra extra;
    for (const TabellaJson& altra : altre) extra.push_back(campoTabella(altra));
    extra.insert(extra.end(), etichette.begin(), etichette.end());
    if (opzioni.json) return stampa(opzioni, tabella, griglia, extra);
    std::string testo = grigliaTsv(griglia);
    for (const TabellaJson& altra : altre) {
        testo += '\n';
        testo += grigliaTsv(*altra.griglia);
    }
    for (const auto& [nome, valore] : etichette) {
        testo += nome + '\t';
        if (const auto* numero = std::get_if<long long>(&valore)) testo += std::to_string(*numero);
        else if (const auto* grezzo = std::get_if<JsonGrezzo>(&valore))
            testo += grezzo->testo == "null" ? std::string() : grezzo->testo;
        else testo += std::get<std::string>(valore);
        testo += '\n';
    }
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

std::unique_ptr<DatabaseProgramma> apriDatabaseProgramma(const QString& cartella) {
    QString errore;
    auto programma = DatabaseProgramma::apri(cartella, {}, &errore);
    if (!programma) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    return programma;
}

std::unique_ptr<DatabaseProgramma> databaseProgramma(bool crea) {
    const QString cartella = cartellaDati();
    if (!crea && !QFileInfo::exists(QDir(cartella).filePath(DatabaseProgramma::NomeFile))) return nullptr;
    const QDate oggi = QDate::currentDate();
    QString errore;
    auto programma = Sessione::apriProgramma(cartella, Data{oggi.year(), oggi.month(), oggi.day()}, &errore);
    if (!programma) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    return programma;
}

void stampaMessaggio(const Opzioni& opzioni, const std::string& messaggio, const CampiExtra& extra) {
    CampiExtra campi = {{"messaggio", messaggio}};
    campi.insert(campi.end(), extra.begin(), extra.end());
    const std::string testo = (opzioni.json ? oggettoJson(campi) : messaggio) + "\n";
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

namespace {
QString archivioDelProgramma() {
    auto programma = databaseProgramma();
    if (!programma)
        throw ErroreComando{EsitoInputErrato,
                            "il programma non è mai stato avviato: indicare l'archivio con --archivio FILE"};
    QString percorso = programma->parametro(Parametri::PercorsoArchivio).value_or(QString());
    if (percorso.isEmpty()) throw ErroreComando{EsitoInputErrato, "nessun archivio configurato: usare --archivio FILE"};
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
    archivio.impostaEstrazioneIniziale(estrazioneIniziale);
    switch (archivio.CaricaArchivio(*righe, TipoCaricamento::Avvio)) {
        case EsitoCaricamento::Riuscito:
            break;
        case EsitoCaricamento::ArchivioVuoto:
            throw ErroreComando{EsitoInputErrato, "l'archivio non contiene estrazioni leggibili"};
        case EsitoCaricamento::InizialeOltreArchivio:
            throw ErroreComando{EsitoInputErrato, "l'estrazione iniziale " + std::to_string(estrazioneIniziale) +
                                                      " è oltre l'ultima estrazione dell'archivio"};
        case EsitoCaricamento::RuoteNonValide:
            throw ErroreComando{EsitoInputErrato, motivoRuoteNonValide(*righe)};
    }
    return archivio;
}

long long numero(const std::string& testo, const std::string& cosa, long long minimo, long long massimo) {
    long long valore = 0;
    const char* fine = testo.data() + testo.size();
    const auto [dove, esito] = std::from_chars(testo.data(), fine, valore);
    // Not a number at all is a fault of usage; a number out of its bounds, of input.
    if (testo.empty() || esito == std::errc::invalid_argument || dove != fine)
        throw ErroreComando{EsitoUsoErrato, cosa + " non è un numero intero: " + testo};
    if (esito == std::errc::result_out_of_range || valore < minimo || valore > massimo)
        throw ErroreComando{EsitoInputErrato, cosa + " deve essere tra " + std::to_string(minimo) + " e " +
                                                  std::to_string(massimo) + ": " + testo};
    return valore;
}

int intero(const std::string& testo, const std::string& cosa, int minimo, int massimo) {
    return static_cast<int>(numero(testo, cosa, minimo, massimo));
}

int estrazioneDa(const ArchivioEstrazioni& archivio, const std::string& testo) {
    const int ultima = ultimaEstrazione(archivio);
    const std::string messaggio = "estrazione non trovata: " + testo + " (un indice da 1 a " + std::to_string(ultima) +
                                  " o una data GG/MM/AAAA dell'archivio)";
    const bool data = testo.find('/') != std::string::npos;
    if (auto e = data ? estrazioneDellaData(archivio, testo) : indiceDigitato(archivio, testo)) return *e;
    // A number, of any sign, outside the archive is bad input, as a date that is not in it.
    const std::size_t cifre = testo.find_first_not_of("+-") == 1 ? 1 : 0;
    const bool numerico = testo.size() > cifre && testo.find_first_not_of("0123456789", cifre) == std::string::npos;
    throw ErroreComando{data || numerico ? EsitoInputErrato : EsitoUsoErrato, messaggio};
}

std::array<bool, NumRuote> ruoteDaTesto(const std::string& testo) {
    std::array<bool, NumRuote> ruote{};
    // No wheel is no choice: a command would otherwise fall back on its own default silently.
    if (testo.empty()) throw ErroreComando{EsitoInputErrato, "nessuna ruota indicata: BA,CA,... o TU"};
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

void controllaOpzioni(const Opzioni& opzioni, std::initializer_list<const char*> ammesse, std::size_t posizionali) {
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

namespace {
constexpr std::size_t Lungo = 120, Tenuti = 80;

bool continua(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A text of more than Lungo characters as its first Tenuti and "…"; a shorter one as it is.
std::string accorciato(std::string_view testo) {
    std::size_t caratteri = 0, taglio = testo.size();
    for (std::size_t j = 0; j < testo.size(); ++j) {
        if (continua(testo[j])) continue;
        if (caratteri++ == Tenuti) taglio = j;
    }
    return caratteri > Lungo ? std::string(testo.substr(0, taglio)) + "…" : std::string(testo);
}
}  // namespace

std::string testoBreve(std::string messaggio, const std::vector<std::string>& argomenti) {
    for (const std::string& argomento : argomenti) {
        const std::string breve = accorciato(argomento);
        if (breve.size() == argomento.size()) continue;
        for (std::size_t i = messaggio.find(argomento); i != std::string::npos; i = messaggio.find(argomento, i))
            messaggio.replace(i, argomento.size(), breve);
    }
    std::string breve;
    std::size_t i = 0;
    while (i < messaggio.size()) {
        const std::size_t fine = std::min(messaggio.find_first_of(" \n", i), messaggio.size());
        breve += accorciato(std::string_view(messaggio).substr(i, fine - i));
        if (fine < messaggio.size()) breve += messaggio[fine];
        i = fine + 1;
    }
    return breve;
}

}  // namespace quorvane::cli
