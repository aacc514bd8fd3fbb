#include "analyses/GruppiNumeri.h"

#include "core/Maschera90.h"
#include "core/Ruote.h"

namespace quorvane {

std::optional<FamigliaGruppi> famigliaGruppi(std::string_view nome) {
    const auto scelta = sceltaPerNome(nome, {"decine", "cadenze", "figure", "gemelli"});
    if (!scelta) return std::nullopt;
    return static_cast<FamigliaGruppi>(*scelta);
}

std::vector<GruppoNumeri> gruppiFamiglia(FamigliaGruppi famiglia) {
    std::vector<GruppoNumeri> gruppi;
    // Each family is a partition by one key of the number; gemelli is the single group of key 0.
    const auto perChiave = [&gruppi](int chiavi, auto nomeChiave, auto chiave) {
        gruppi.resize(static_cast<std::size_t>(chiavi));
        for (int k = 0; k < chiavi; ++k) gruppi[static_cast<std::size_t>(k)].nome = nomeChiave(k);
        for (int n = 1; n <= NumeroMassimo; ++n)
            if (const int k = chiave(n); k >= 0) gruppi[static_cast<std::size_t>(k)].numeri.push_back(n);
    };
    switch (famiglia) {
        case FamigliaGruppi::Decine:
            perChiave(
                9, [](int k) { return std::to_string(10 * k + 1) + '-' + std::to_string(10 * k + 10); },
                [](int n) { return (n - 1) / 10; });
            break;
        case FamigliaGruppi::Cadenze:
            perChiave(
                10, [](int k) { return std::to_string(k); }, [](int n) { return n % 10; });
            break;
        case FamigliaGruppi::Figure:
            perChiave(
                9, [](int k) { return std::to_string(k + 1); }, [](int n) { return (n - 1) % 9; });
            break;
        case FamigliaGruppi::Gemelli:
            perChiave(
                1, [](int) { return std::string("gemelli"); },
                [](int n) { return n % 11 == 0 && n < NumeroMassimo ? 0 : -1; });
            break;
    }
    return gruppi;
}

ErroreStatistiche controllaGruppi(const std::vector<GruppoNumeri>& gruppi) {
    if (gruppi.empty()) return ErroreStatistiche::NessunGruppo;
    for (const GruppoNumeri& g : gruppi) {
        if (g.numeri.empty()) return ErroreStatistiche::GruppoVuoto;
        Maschera90 visti;
        for (int n : g.numeri) {
            if (n < 1 || n > NumeroMassimo) return ErroreStatistiche::NumeroFuoriGruppo;
            if (visti.contiene(n)) return ErroreStatistiche::NumeroRipetuto;
            visti.aggiungi(n);
        }
    }
    return ErroreStatistiche::Nessuno;
}

std::string testoNumeri(const GruppoNumeri& gruppo) {
    std::string testo;
    for (int n : gruppo.numeri) (testo += testo.empty() ? "" : " ") += std::to_string(n);
    return testo;
}

}  // namespace quorvane
