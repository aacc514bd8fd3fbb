#include "core/Ruote.h"

#include <bitset>
#include <cctype>

namespace quorvane {

std::optional<int> ruotaDaSigla(std::string_view sigla) {
    if (sigla.size() != 2) return std::nullopt;
    for (int r = 1; r <= RuotaTutte; ++r) {
        auto s = SiglaRuota[r];
        if (std::toupper(static_cast<unsigned char>(sigla[0])) == s[0] &&
            std::toupper(static_cast<unsigned char>(sigla[1])) == s[1])
            return r;
    }
    return std::nullopt;
}

namespace {
// Leading numeric reading of the two characters at a 0-based offset.
std::int16_t numeroA(std::string_view testo, std::size_t inizio) {
    int valore = 0;
    bool cifre = false;
    for (std::size_t i = inizio; i < inizio + 2 && i < testo.size(); ++i) {
        char c = testo[i];
        if (!cifre && c == ' ') continue;  // a leading blank is skipped, as in "5"
        if (c < '0' || c > '9') break;
        valore = valore * 10 + (c - '0');
        cifre = true;
    }
    return static_cast<std::int16_t>(valore);
}
}  // namespace

CinqueNumeri leggiTestoRuota(std::string_view testo) {
    CinqueNumeri numeri{};
    for (int k = 0; k < NumPosizioni; ++k) numeri[k] = numeroA(testo, static_cast<std::size_t>(3 * k));
    return numeri;
}

std::optional<CinqueNumeri> leggiRuotaArchivio(std::string_view testo) {
    if (testo.empty() || testo == "----" || testo == "00-00-00-00-00" || testo == "99-99-99-99-99")
        return CinqueNumeri{};
    if (testo.size() != 3 * NumPosizioni - 1) return std::nullopt;
    CinqueNumeri numeri{};
    std::bitset<NumeroMassimo + 1> visti;
    for (std::size_t k = 0; k < NumPosizioni; ++k) {
        const std::size_t i = 3 * k;
        if (k > 0 && testo[i - 1] != '-') return std::nullopt;
        if (!std::isdigit(static_cast<unsigned char>(testo[i])) ||
            !std::isdigit(static_cast<unsigned char>(testo[i + 1])))
            return std::nullopt;
        const int n = (testo[i] - '0') * 10 + (testo[i + 1] - '0');
        if (n < 1 || n > NumeroMassimo || visti[n]) return std::nullopt;
        visti[n] = true;
        numeri[k] = static_cast<std::int16_t>(n);
    }
    return numeri;
}

std::string scriviTestoRuota(const CinqueNumeri& numeri) {
    bool vuota = true;
    for (auto n : numeri) vuota = vuota && n == 0;
    if (vuota) return {};
    std::string testo;
    testo.reserve(14);
    for (int k = 0; k < NumPosizioni; ++k) {
        if (k > 0) testo += '-';
        testo += static_cast<char>('0' + numeri[k] / 10 % 10);
        testo += static_cast<char>('0' + numeri[k] % 10);
    }
    return testo;
}

}  // namespace quorvane
