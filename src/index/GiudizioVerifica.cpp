#include "index/GiudizioVerifica.h"

#include <cmath>

#include "index/GrigliaStorico.h"

namespace quorvane {

namespace {

// A signed figure with the true minus sign, as a sentence shows it.
std::string conSegno(double valore, int decimali, std::string_view separatore) {
    std::string testo = testoDecimale(valore, decimali, separatore);
    if (!testo.empty() && testo[0] == '-') testo.replace(0, 1, "\u2212");
    return testo;
}

// A probability in words: "inferiore a 0,001" or its value with two or three decimals.
std::string testoProbabilitaFrase(double p, std::string_view separatore) {
    if (p < 0.001) return "inferiore a " + testoDecimale(0.001, 3, separatore);
    return testoDecimale(p, p < 0.01 ? 3 : 2, separatore);
}

std::string testoP(double p, std::string_view separatore) {
    if (p < 0.001) return "p < " + testoDecimale(0.001, 3, separatore);
    return "p = " + testoProbabilitaFrase(p, separatore);
}

// Which side of chance the hits fall on, or none when chance explains them.
int lato(const DatiGiudizio& d) {
    if (d.p) {
        if (*d.p < SogliaP) return 1;
        return d.pInferiore && *d.pInferiore < SogliaP ? -1 : 0;
    }
    return std::fabs(*d.z) < SogliaZ ? 0 : (*d.z > 0 ? 1 : -1);
}

}  // namespace

std::string giudizioVerifica(const DatiGiudizio& d, std::string_view separatore) {
    std::string frase = std::string(d.metodoIndice ? "Il metodo" : "La strategia") + " ha fatto " +
                        std::to_string(d.vincite) + (d.vincite == 1 ? " vincita" : " vincite") + " contro " +
                        testoDecimale(d.attese, 1, separatore) + " attese dal caso";
    std::string cifre;
    if (d.z) cifre = "z = " + conSegno(*d.z, 2, separatore);
    if (d.p) cifre += (cifre.empty() ? "" : ", ") + testoP(*d.p, separatore);
    if (!cifre.empty()) frase += " (" + cifre + ")";
    if (!d.z && !d.p) {
        frase += ": il confronto con il caso non si può fare";
    } else {
        const int l = lato(d);
        frase += l == 0  ? ": il risultato è compatibile con il caso"
                 : l > 0 ? ": il risultato è sopra quello che il caso dà di solito"
                         : ": il risultato è sotto quello che il caso dà di solito";
        if (l < 0 && d.pInferiore)
            frase += std::string(" (il caso dà così poche vincite con probabilità ") +
                     testoProbabilitaFrase(*d.pInferiore, separatore) + ")";
    }
    const std::string resa = testoDecimale(d.resa, 1, separatore);
    const std::string resaCaso = testoDecimale(d.resaCaso, 1, separatore);
    const char* confronto = resa == resaCaso                                        ? "è pari a quella del caso"
                            : std::round(d.resa * 10) > std::round(d.resaCaso * 10) ? "è sopra quella del caso"
                                                                                    : "è sotto quella del caso";
    return frase + "; la resa, " + resa + "%, " + confronto + ", " + resaCaso + "%.";
}

std::string giudizioVerifica(const RiepilogoStorico& r, Strategia strategia, std::string_view separatore) {
    return giudizioVerifica({r.vincite, r.attese, r.z(), r.p, r.resa(), r.resaAttesa(), r.pInferiore,
                             strategia == Strategia::Indice || strategia == Strategia::Metodo},
                            separatore);
}

}  // namespace quorvane
