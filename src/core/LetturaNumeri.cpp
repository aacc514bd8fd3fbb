#include "core/LetturaNumeri.h"

#include <charconv>

namespace quorvane {

std::optional<std::vector<int>> leggiNumeri(std::string_view testo) {
    std::vector<int> numeri;
    std::size_t i = 0;
    while (i < testo.size()) {
        if (testo[i] == ' ' || testo[i] == ',') {
            ++i;
            continue;
        }
        int n = 0;
        const auto [fine, esito] = std::from_chars(testo.data() + i, testo.data() + testo.size(), n);
        const std::size_t dopo = static_cast<std::size_t>(fine - testo.data());
        if (esito != std::errc() || (dopo < testo.size() && testo[dopo] != ' ' && testo[dopo] != ','))
            return std::nullopt;
        numeri.push_back(n);
        i = dopo;
    }
    return numeri;
}

}  // namespace quorvane
