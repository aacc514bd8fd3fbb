#pragma once
// What every command of quorvane-cli shares: errors, loading the archive, printing a grid.
#include <QString>
#include <array>
#include <climits>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/FileAggiornamento.h"
#include "cli/NomiJson.h"
#include "cli/Opzioni.h"
#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"
#include "core/GrigliaTesto.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane::cli {

inline constexpr int EsitoInputErrato = 1;
inline constexpr int EsitoUsoErrato = 2;

// Thrown by a command; main prints the message on one line (and under --json the object
// {"errore": ...}) and exits with `esito`.
struct ErroreComando {
    int esito;
    std::string messaggio;
    CampiExtra extra = {};  // under --json, keys printed after "errore"
};

struct Comando {
    std::string nome;
    std::string argomenti;    // as the help shows them, e.g. "FILE --archivio DB"
    std::string descrizione;  // one line, Italian
    std::function<int(const Opzioni&)> esegui;
};

// A grid with the name of its table in the JSON (one of NomiJson.h).
struct TabellaJson {
    std::string_view nome;
    const Griglia* griglia;
};

// TSV, or JSON naming the grid's table (with the labels that go with the grid).
void stampa(const Opzioni& opzioni, std::string_view tabella, const Griglia& griglia, const CampiExtra& extra = {});

// A grid that goes with another, as a key of the other's JSON named as its table.
std::pair<std::string, ValoreExtra> campoTabella(const TabellaJson& tabella);

// The grid, the grids that go with it and its labels: in JSON the others and the labels are
// extra keys; in TSV each other grid follows after an empty line, then the labels as
// "name<TAB>value" lines (texts and integers only).
void stampaConEtichette(const Opzioni& opzioni, std::string_view tabella, const Griglia& griglia,
                        const CampiExtra& etichette, const std::vector<TabellaJson>& altre = {});

// A command that prints no grid: its message on one line, or with --json {"messaggio": ...}
// followed by the extra keys.
void stampaMessaggio(const Opzioni& opzioni, const std::string& messaggio, const CampiExtra& extra = {});

// The file of --archivio, or the archive the program's parameter names.
QString percorsoArchivio(const Opzioni& opzioni);

// The archive of --archivio, or the one the program's parameter names, loaded with the model
// archive starting at `estrazioneIniziale`.
ArchivioEstrazioni caricaArchivio(const Opzioni& opzioni, int estrazioneIniziale = 1);

// The one reader of whole numbers given on the command line, as `cosa` ("--colpi", "N1"):
// a text that is no number is bad usage, a number outside minimo..massimo bad input.
long long numero(const std::string& testo, const std::string& cosa, long long minimo, long long massimo);
int intero(const std::string& testo, const std::string& cosa, int minimo = INT_MIN, int massimo = INT_MAX);

// The one reader of a draw given on the command line: its index or its date "GG/MM/AAAA".
int estrazioneDa(const ArchivioEstrazioni& archivio, const std::string& testo);

// The program database of the data folder, opened as the program's start opens it. When the
// program was never started: null, or with `crea` created as its first start creates it.
std::unique_ptr<DatabaseProgramma> databaseProgramma(bool crea = false);
// The program database of a folder, created there when missing; a failure ends the command.
std::unique_ptr<DatabaseProgramma> apriDatabaseProgramma(const QString& cartella);

// "BA,CA,..." or "TU"; an unknown code is an input error.
std::array<bool, NumRuote> ruoteDaTesto(const std::string& testo);

// Refuses options (with or without a value) other than `ammesse` and a count of positional arguments other than
// `posizionali`.
void controllaOpzioni(const Opzioni& opzioni, std::initializer_list<const char*> ammesse, std::size_t posizionali);

// The check of update rows against the stored draws: the rows marked, then the report's lines.
void stampaControllo(const Opzioni& opzioni, const std::vector<RigaAggiornamento>& righe,
                     const std::vector<RigaArchivio>& memorizzate);

// A message with every argument of the command line it echoes and every run without blanks of
// more than 120 characters cut to its first 80 characters and "…".
std::string testoBreve(std::string messaggio, const std::vector<std::string>& argomenti = {});

// The commands of each part of the program.
std::vector<Comando> comandiArchivio();
std::vector<Comando> comandiAggiornamento();
std::vector<Comando> comandiIndice();
std::vector<Comando> comandiStorico();
std::vector<Comando> comandiAnalisi();
std::vector<Comando> comandiConfigurazioni();
std::vector<Comando> comandiEsportazione();
std::vector<Comando> comandiStatistiche();
std::vector<Comando> comandiSpia();
std::vector<Comando> comandiTabellone();

}  // namespace quorvane::cli
