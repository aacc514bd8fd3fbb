#pragma once
// The files of draws the program reads whole (update file, official file): only a regular file
// of a size such a file can have, checked before it is opened, so that a device or a FIFO is
// never read and a huge file never fills the memory.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Far above the official file of every draw since 1939 (a few megabytes), unzipped.
inline constexpr std::uintmax_t MassimoFileDati = 32u << 20;

// Why a file that cannot be found is not there: missing, or behind a loop of links or a folder
// that may not be entered.
std::string motivoFileAssente(const std::filesystem::path& percorso, const std::string& nome);

// Empty when the file may be read; otherwise why not, in Italian, naming `nome`.
std::string motivoFileNonLeggibile(const std::filesystem::path& percorso, const std::string& nome,
                                   std::uintmax_t massimo = MassimoFileDati);

// Both files end every line, the last included: a last line holding text but no line end is
// where a transfer stopped, possibly inside a number ("3" of "37" is still a number). Its
// 1-based number, or nothing when the text ends whole.
std::optional<int> rigaInterrotta(std::string_view testo);

// The message that refuses such a file whole.
std::string messaggioFileInterrotto(int riga);

}  // namespace quorvane
