#include "core/CalendarioEstrazioni.h"

namespace quorvane {

bool giornoEstrazioneLotto(const Data& giorno) {
    if (giorno < PrimaEstrazioneLotto) return false;
    const int settimana = giorno.giornoSettimana();
    if (settimana == 6) return true;  // Saturday, in every era
    if (giorno == PrimaEstrazioneNazionale) return true;
    if (giorno >= PrimaEstrazioneVenerdi && settimana == 5) return true;
    if (giorno > PrimaEstrazioneNazionale) return settimana == 2 || settimana == 4;
    if (giorno.anno >= 1997) return settimana == 3;
    return false;
}

int estrazioniInCalendarioTra(const Data& prima, const Data& dopo) {
    int estrazioni = 0;
    for (long giorno = prima.giorniDaEpoca() + 1; giorno < dopo.giorniDaEpoca(); ++giorno)
        if (giornoEstrazioneLotto(Data::daGiorniDaEpoca(giorno))) ++estrazioni;
    return estrazioni;
}

int estrazioniMancanti(const Data& ultima, const Data& oggi, int minuto) {
    // Today's draw counts once it has been held.
    const long dopo = oggi.giorniDaEpoca() + (minuto < MinutoEstrazione ? 0 : 1);
    return estrazioniInCalendarioTra(ultima, Data::daGiorniDaEpoca(dopo));
}

}  // namespace quorvane
