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

int estrazioniMancanti(const Data& ultima, const Data& oggi, int minuto) {
    int mancanti = 0;
    const long fine = oggi.giorniDaEpoca() - (minuto < MinutoEstrazione ? 1 : 0);
    for (long giorno = ultima.giorniDaEpoca() + 1; giorno <= fine; ++giorno)
        if (giornoEstrazioneLotto(Data::daGiorniDaEpoca(giorno))) ++mancanti;
    return mancanti;
}

}  // namespace quorvane
