#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include "archive/StoricoUfficiale.h"
#include "support/Supporto.h"

namespace test {

quorvane::ArchivioEstrazioni archivioDiProva(const std::vector<std::string>& bari,
                                             const std::vector<std::string>& cagliari, std::size_t estrazioni) {
    const char* date[] = {"03/01/2000", "10/01/2000", "17/01/2000", "07/02/2000",
                          "14/02/2000", "06/03/2000", "13/03/2000", "20/03/2000"};
    std::vector<quorvane::RigaArchivio> righe;
    for (std::size_t i = 0; i < 8 && i < estrazioni; ++i) {
        quorvane::RigaArchivio r;
        r.data = date[i];
        r.ruote[0] = i < bari.size() ? bari[i] : "";
        r.ruote[1] = i < cagliari.size() ? cagliari[i] : "";
        righe.push_back(r);
    }
    quorvane::ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, quorvane::TipoCaricamento::Avvio), quorvane::EsitoCaricamento::Riuscito);
    return a;
}

const quorvane::ArchivioEstrazioni& archivioReale() {
    static const quorvane::ArchivioEstrazioni archivio = [] {
        quorvane::ArchivioEstrazioni a;
        if (percorsoStorico().empty()) return a;
        auto letto = quorvane::leggiStoricoFile(percorsoStorico());
        std::vector<quorvane::RigaArchivio> righe;
        for (const auto& e : std::get<std::vector<quorvane::Estrazione>>(letto)) righe.push_back(e.riga());
        a.CaricaArchivio(righe, quorvane::TipoCaricamento::Avvio);
        return a;
    }();
    return archivio;
}

}  // namespace test
