#pragma once
// The update file: one draw per line at fixed positions, the date at 1-10 and the block of
// wheel k (14 characters, the stored wheel text) at 12 + 15 * (k - 1); the first line is 178
// characters long and ends in "pr". The same rows also come from the official historical file.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Estrazione.h"

namespace quorvane {

inline constexpr std::size_t LunghezzaRigaAggiornamento = 178;
inline constexpr std::size_t LunghezzaTestoRuota = 14;

// One row of FgImporta: the date text and the eleven wheel blocks exactly as cut from the line.
struct RigaAggiornamento {
    std::string data;
    std::array<std::string, NumRuote> ruote;
    int numeroRiga = 0;  // 1-based line of the update file; 0 for a row of the official file
};

// The shape test made on the first line only: its length and its last two characters, blanks
// after them aside as an editor may leave them.
bool primaRigaCorretta(std::string_view riga);

// A line read as one delimited field: leading blanks dropped, nothing from a comma on.
std::string_view campoDelimitato(std::string_view riga);

// The pieces of one line by position; a short line gives short or empty pieces.
RigaAggiornamento tagliaRiga(std::string_view riga);

// Every line of the text (CR LF or LF ends) with its number, without the rows whose date is empty.
std::vector<RigaAggiornamento> leggiRigheAggiornamento(std::string_view testo);

// The first line of a text, without its line end.
std::string_view primaRiga(std::string_view testo);

// A line of an update file holding a stored draw: blank blocks for the wheels not drawn.
std::string rigaFileAggiornamento(const RigaArchivio& riga);

// The draws of the official historical file as rows of the same grid.
std::vector<RigaAggiornamento> righeDaEstrazioni(const std::vector<Estrazione>& estrazioni);

// The text to store for a block: the block itself when it holds five different numbers 1..90
// as "NN-NN-NN-NN-NN", the empty text when it is 14 blanks (a wheel not drawn), nothing
// otherwise (a block cut short included).
std::optional<std::string> testoRuotaValido(std::string_view blocco);

// True when the stored text of a wheel holds no number (empty, blank, "----", zeros).
bool ruotaNonEstratta(std::string_view testo);

}  // namespace quorvane
