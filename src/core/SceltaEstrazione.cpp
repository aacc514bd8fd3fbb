#include "core/SceltaEstrazione.h"

#include <algorithm>
#include <cstdlib>

#include "core/GrigliaTesto.h"

namespace quorvane {

int ultimaEstrazione(const ArchivioEstrazioni& archivio) {
    return std::min(archivio.UltimaEstrazione(), archivio.NumEstrazioni());
}

std::optional<int> numeroDigitato(std::string_view testo) {
    testo = senzaSpazi(testo);
    if (testo.empty() || testo.size() > 6) return std::nullopt;
    int valore = 0;
    for (char c : testo) {
        if (c < '0' || c > '9') return std::nullopt;
        valore = valore * 10 + (c - '0');
    }
    return valore;
}

std::optional<int> indiceDigitato(const ArchivioEstrazioni& archivio, std::string_view testo) {
    const auto valore = numeroDigitato(testo);
    if (!valore || *valore < 1 || *valore > ultimaEstrazione(archivio)) return std::nullopt;
    return valore;
}

std::optional<int> estrazioneDellaData(const ArchivioEstrazioni& archivio, std::string_view testo) {
    const int ultima = ultimaEstrazione(archivio);
    for (int i = 1; i <= ultima; ++i)
        if (archivio.DateEstrazioni(i) == testo) return i;
    return std::nullopt;
}

int estrazionePiuVicina(const ArchivioEstrazioni& archivio, const Data& data) {
    const long giorno = data.giorniDaEpoca();
    int migliore = 0;
    long distanza = 0;
    for (int d = 1; d <= archivio.NumEstrazioni(); ++d) {
        const long x = std::labs(archivio.DataEstrazione(d).giorniDaEpoca() - giorno);
        if (migliore == 0 || x < distanza) {
            migliore = d;
            distanza = x;
        }
    }
    return migliore;
}

int estrazioneRitrovata(const ArchivioEstrazioni& archivio, std::string_view data) {
    return estrazioneDellaData(archivio, data).value_or(ultimaEstrazione(archivio));
}

}  // namespace quorvane
