#include "index/TavolaNumeri.h"

namespace quorvane {

bool TavolaNumeri::commuta(int numero) {
    if (scelti_.contiene(numero)) {
        scelti_.rimuovi(numero);
        return true;
    }
    return scegli(numero);
}

bool TavolaNumeri::scegli(int numero) {
    if (numero < 1 || numero > 90 || conta() >= Massimo) return false;
    scelti_.aggiungi(numero);
    return true;
}

std::vector<int> TavolaNumeri::numeri() const {
    std::vector<int> elenco;
    for (int n = 1; n <= 90; ++n)
        if (scelti_.contiene(n)) elenco.push_back(n);
    return elenco;
}

}  // namespace quorvane
