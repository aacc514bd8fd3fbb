#include "index/Probabilita.h"

namespace quorvane {

double combinazioni(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    if (k > n - k) k = n - k;
    double c = 1;
    // Each partial product is itself a binomial coefficient, so every step is exact.
    for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
    return c;
}

double probabilitaRuota(int quanti, int sorte) {
    double favorevoli = 0;
    for (int j = sorte; j <= NumPosizioni && j <= quanti; ++j)
        favorevoli += combinazioni(quanti, j) * combinazioni(NumeroMassimo - quanti, NumPosizioni - j);
    return favorevoli / combinazioni(NumeroMassimo, NumPosizioni);
}

double resaAttesa(int sorte) {
    return PremioSorte[sorte] * combinazioni(NumPosizioni, sorte) / combinazioni(NumeroMassimo, sorte);
}

double vincitaRuota(int quanti, int sorte, int presi, int ruote) {
    return PremioSorte[sorte] * combinazioni(presi, sorte) / (combinazioni(quanti, sorte) * ruote);
}

}  // namespace quorvane
