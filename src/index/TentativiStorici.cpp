#include "index/TentativiStorici.h"

namespace quorvane {

int TentativiStorici::registra(const OpzioniStoriche& o) {
    std::set<std::string>& firme = firme_[{o.dal, o.al}];
    firme.insert(firmaTentativo(o));
    return static_cast<int>(firme.size());
}

std::string firmaTentativo(const OpzioniStoriche& o) {
    const AnalisiIndice& a = o.analisi;
    std::string firma;
    auto aggiungi = [&firma](const auto& valore) {
        if constexpr (std::is_convertible_v<decltype(valore), std::string>) firma += valore;
        else firma += std::to_string(valore);
        firma += '|';
    };
    for (bool in : a.ruoteInGioco) aggiungi(in);
    for (int v : {static_cast<int>(o.strategia), a.NumeroColpi, o.ruotaLetta}) aggiungi(v);
    switch (o.strategia) {
        case Strategia::Indice:
            for (int v : {static_cast<int>(o.metodo), a.Mensile, static_cast<int>(a.forzaUltima), a.Presenze,
                          a.QuantitaNumeri, a.Capogioco, a.SorteElaborazione, static_cast<int>(a.veloce)})
                aggiungi(v);
            break;
        case Strategia::Frequenti:
            for (int v : {o.quanti, o.finestra, o.sorte}) aggiungi(v);
            break;
        case Strategia::Fissi:
            for (int v : o.numeri) aggiungi(v);
            aggiungi(o.sorte);
            break;
        case Strategia::Metodo:
            aggiungi(o.metodoProprio ? o.metodoProprio->impronta() : std::string());
            for (const auto& [nome, valore] : o.parametri) aggiungi(nome + "=" + valore);
            break;
        case Strategia::Ritardatario:
        case Strategia::AmboRitardatario:
            break;
    }
    return firma;
}

}  // namespace quorvane
