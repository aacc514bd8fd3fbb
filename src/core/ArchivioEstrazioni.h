#pragma once
// The draw history in memory: every analysis reads these tables by draw index, from 1 (oldest)
// to NumEstrazioni (most recent). Only CaricaArchivio writes them.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Data.h"
#include "core/Maschera90.h"
#include "core/Ruote.h"

namespace quorvane {

// One stored draw as the archive database yields it: the date as "GG/MM/AAAA" and the
// eleven wheel texts in wheel order (empty where the wheel was not drawn).
struct RigaArchivio {
    std::string data;
    std::array<std::string, NumRuote> ruote;
    bool operator==(const RigaArchivio&) const = default;
};

enum class TipoCaricamento {
    Avvio,         // the model archive starts at EstrazioneIniziale
    Ricarica,      // after a change to the archive: the model archive is the whole archive
    SoloEstratti,  // draws, dates and count only; the other tables stay as they are
};

enum class EsitoCaricamento {
    Riuscito,
    ArchivioVuoto,          // no draw, or a date that cannot be read
    InizialeOltreArchivio,  // EstrazioneIniziale > NumEstrazioni: the model would be empty
    RuoteNonValide,         // a wheel text breaks leggiRuotaArchivio: motivoRuoteNonValide says where
};

// Why the rows cannot be loaded for their wheel texts, in Italian: the first draw, wheel and
// value that break leggiRuotaArchivio and how many other draws have one; empty when none does.
std::string motivoRuoteNonValide(const std::vector<RigaArchivio>& righe);

// Called with (current row, number of rows) while the rows are read.
using Avanzamento = std::function<void(int, int)>;

// The five values that describe the model archive.
struct PeriodoModello {
    int inizio = 0;
    int fine = 0;
    std::string dataInizio;
    std::string dataFine;
    int estrazioni = 0;  // fine - inizio + 1
    bool operator==(const PeriodoModello&) const = default;
};

class ArchivioEstrazioni {
public:
    int NumEstrazioni() const { return numEstrazioni_; }
    // The last draw of the last full load; a draws-only reload never leaves it past NumEstrazioni.
    int UltimaEstrazione() const { return ultimaEstrazione_; }
    // The program parameter read by the next start-up load; below 1 means draw 1.
    int EstrazioneIniziale() const { return estrazioneIniziale_; }
    void impostaEstrazioneIniziale(int estrazione) { estrazioneIniziale_ = estrazione; }

    // Loads every table from the rows, in date order. On failure nothing changes.
    EsitoCaricamento CaricaArchivio(const std::vector<RigaArchivio>& righe, TipoCaricamento tipo,
                                    const Avanzamento& avanzamento = {});

    std::int16_t Estratti(int estrazione, int ruota, int posizione) const {
        return estratti_[indice(estrazione, ruota) * NumPosizioni + posizione - 1];
    }
    // The numbers of one wheel in one draw as a set.
    const Maschera90& NumeriRuota(int estrazione, int ruota) const { return maschere_[indice(estrazione, ruota)]; }
    // True for a draw index the tables hold: 1..NumEstrazioni().
    bool contiene(int estrazione) const { return estrazione >= 1 && estrazione <= numEstrazioni_; }
    const std::string& DateEstrazioni(int estrazione) const { return dateTesto_[estrazione]; }
    const Data& DataEstrazione(int estrazione) const { return date_[estrazione]; }
    int ProgMese(int estrazione) const { return progMese_[estrazione]; }
    int ProgAnno(int estrazione) const { return progAnno_[estrazione]; }

    int NumModello() const { return static_cast<int>(indiciModello_.size()); }
    // k = 1..NumModello
    int IndiciModello(int k) const { return indiciModello_[k - 1]; }
    PeriodoModello periodoModello() const;

private:
    static std::size_t indice(int estrazione, int ruota) {
        return static_cast<std::size_t>(estrazione) * NumRuote + ruota - 1;
    }
    void numeraProgressivi();
    void costruisciModello(int primo);

    int numEstrazioni_ = 0;
    int ultimaEstrazione_ = 0;
    int estrazioneIniziale_ = 0;
    // Index 0 of every per-draw table is never filled, so draw indexes address them directly.
    std::vector<std::int16_t> estratti_;
    std::vector<Maschera90> maschere_;
    std::vector<std::string> dateTesto_;
    std::vector<Data> date_;
    std::vector<int> progMese_;
    std::vector<int> progAnno_;
    std::vector<int> indiciModello_;
};

}  // namespace quorvane
