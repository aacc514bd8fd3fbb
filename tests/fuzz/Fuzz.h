#pragma once
// What the fuzz targets share: the input as text, its lines, and a check that stops the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::string_view testo(const std::uint8_t* dati, std::size_t n) {
    return {reinterpret_cast<const char*>(dati), n};
}

// The lines of a text, without their ends.
inline std::vector<std::string_view> righe(std::string_view t) {
    std::vector<std::string_view> r;
    while (!t.empty()) {
        const std::size_t fine = t.find('\n');
        r.push_back(t.substr(0, fine));
        t.remove_prefix(fine == std::string_view::npos ? t.size() : fine + 1);
    }
    return r;
}

// A property that must hold for every input: a failure is a crash the fuzzer keeps.
inline void richiedi(bool condizione, const char* cosa) {
    if (condizione) return;
    std::fprintf(stderr, "proprietà violata: %s\n", cosa);
    std::abort();
}

}  // namespace fuzz
