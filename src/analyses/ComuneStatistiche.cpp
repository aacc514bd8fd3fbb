#include "analyses/ComuneStatistiche.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorvane {

std::string messaggioStatistiche(ErroreStatistiche errore, const ArchivioEstrazioni& archivio) {
    switch (errore) {
        case ErroreStatistiche::Nessuno:
            return {};
        case ErroreStatistiche::FuoriArchivio:
            return "Il periodo deve stare nell'archivio: dall'estrazione 1 alla " +
                   std::to_string(archivio.NumEstrazioni());
        case ErroreStatistiche::PeriodoRovesciato:
            return "La prima estrazione del periodo viene dopo l'ultima";
        case ErroreStatistiche::NessunaRuota:
            return "Scegliere almeno una ruota";
        case ErroreStatistiche::NessunaEstrazione:
            return "Nessuna estrazione del periodo ha numeri sulle ruote scelte";
        case ErroreStatistiche::PosizioneErrata:
            return "La posizione dell'estratto va da 1 a 5";
        case ErroreStatistiche::FamigliaSconosciuta:
            return "Famiglia di gruppi sconosciuta: decine, cadenze, figure o gemelli";
        case ErroreStatistiche::NessunGruppo:
            return "Indicare almeno un gruppo di numeri";
        case ErroreStatistiche::GruppoVuoto:
            return "Un gruppo deve contenere almeno un numero";
        case ErroreStatistiche::NumeroFuoriGruppo:
            return "I numeri di un gruppo vanno da 1 a 90";
        case ErroreStatistiche::NumeroRipetuto:
            return "Un numero compare due volte nello stesso gruppo";
        case ErroreStatistiche::NumeroErrato:
            return "Il numero spia va da 1 a 90";
        case ErroreStatistiche::RuotaErrata:
            return "Scegliere la ruota del numero spia, da BA a NZ";
        case ErroreStatistiche::ColpiErrati:
            return "I colpi vanno da 1 a 20";
        case ErroreStatistiche::NessunaOccorrenza:
            return "Nel periodo il numero spia non esce mai con tutti i colpi successivi dentro il periodo";
        case ErroreStatistiche::BersaglioNonEstratto:
            return "Nei colpi dopo le uscite del numero spia le ruote bersaglio non sono mai estratte: nulla da "
                   "contare";
    }
    return {};
}

ErroreStatistiche controllaPeriodo(const ArchivioEstrazioni& archivio, int dal, int& al) {
    if (al == 0) al = archivio.NumEstrazioni();
    if (!archivio.contiene(dal) || !archivio.contiene(al)) return ErroreStatistiche::FuoriArchivio;
    if (dal > al) return ErroreStatistiche::PeriodoRovesciato;
    return ErroreStatistiche::Nessuno;
}

std::optional<int> sceltaPerNome(std::string_view nome, std::initializer_list<std::string_view> nomi) {
    const auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    int i = 0;
    for (std::string_view candidato : nomi) {
        if (candidato.size() == nome.size() &&
            std::equal(nome.begin(), nome.end(), candidato.begin(), [&](char a, char b) { return minuscola(a) == b; }))
            return i;
        ++i;
    }
    return std::nullopt;
}

std::string testoCentesimi(long long numeratore, long long denominatore) {
    const long long centesimi = (200 * numeratore + denominatore) / (2 * denominatore);
    const int resto = static_cast<int>(centesimi % 100);
    return std::to_string(centesimi / 100) + ',' + static_cast<char>('0' + resto / 10) +
           static_cast<char>('0' + resto % 10);
}

std::string testoCentesimi(double valore) {
    return testoCentesimi(std::llround(valore * 100), 100);
}

std::string testoProbabilita(double p) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.3g", p);
    std::string t = testo;
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

}  // namespace quorvane
