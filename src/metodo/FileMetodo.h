#pragma once
// The file of a player's method, read whole: a regular text file in UTF-8 of at most 1 MB.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::uintmax_t MassimoFileMetodo = 1u << 20;

struct FileMetodo {
    std::string testo;
    std::string errore;  // why it was not read, in Italian, naming the file; empty when it was
};

FileMetodo leggiFileMetodo(const std::filesystem::path& percorso);

// Whether the text is well-formed UTF-8.
bool testoUtf8(std::string_view testo);

}  // namespace quorvane
