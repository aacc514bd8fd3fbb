#include "core/ElencoEstrazioni.h"

namespace quorvane {

void riempiElencoEstrazioni(Griglia& fgpa, const ArchivioEstrazioni& archivio) {
    fgpa.impostaIntestazione("|Indice|Data|Prog. anno|Prog. mese");
    fgpa.nascondiColonna(0);
    for (int c = 1; c <= 4; ++c) fgpa.impostaAllineamentoColonna(c, Allineamento::Centro);
    const int n = archivio.NumEstrazioni();
    fgpa.impostaRighe(1);
    fgpa.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        fgpa.impostaTesto(r, 1, std::to_string(r));
        fgpa.impostaTesto(r, 2, archivio.DateEstrazioni(r));
        fgpa.impostaTesto(r, 3, std::to_string(archivio.ProgAnno(r)));
        fgpa.impostaTesto(r, 4, std::to_string(archivio.ProgMese(r)));
    }
}

Griglia grigliaPeriodo(const PeriodoModello& periodo) {
    Griglia g("periodo");
    g.impostaIntestazione("|Indice inizio|Indice fine|Data inizio|Data fine|Estrazioni archivio modello");
    g.nascondiColonna(0);
    g.impostaRighe(2);
    g.impostaTesto(1, 1, std::to_string(periodo.inizio));
    g.impostaTesto(1, 2, std::to_string(periodo.fine));
    g.impostaTesto(1, 3, periodo.dataInizio);
    g.impostaTesto(1, 4, periodo.dataFine);
    g.impostaTesto(1, 5, std::to_string(periodo.estrazioni));
    return g;
}

}  // namespace quorvane
