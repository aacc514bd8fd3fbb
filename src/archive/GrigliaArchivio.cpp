#include "archive/GrigliaArchivio.h"

#include "core/Colori.h"

namespace quorvane {

namespace {
void intestazioneRuote(Griglia& g, const char* primaColonna) {
    std::string layout = "|";
    layout += primaColonna;
    for (int r = 1; r <= NumRuote; ++r) {
        layout += '|';
        layout += NomeRuota[r];
    }
    g.impostaIntestazione(layout);
    g.nascondiColonna(0);
    for (int c = 1; c <= NumRuote + 1; ++c) g.impostaAllineamentoColonna(c, Allineamento::Centro);
}
}  // namespace

void riempiEstrazioniMemorizzate(Griglia& elenco, const std::vector<RigaArchivio>& righe) {
    elenco.impostaIntestazione("|DataEstrazione|Ba|Ca|Fi|Ge|Mi|Na|Pa|Ro|To|Ve|Nz");
    elenco.nascondiColonna(0);
    for (int c = 1; c <= NumRuote + 1; ++c) elenco.impostaAllineamentoColonna(c, Allineamento::Centro);
    const int n = static_cast<int>(righe.size());
    elenco.impostaRighe(1);
    elenco.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const RigaArchivio& riga = righe[r - 1];
        elenco.impostaTesto(r, 1, riga.data);
        for (int k = 0; k < NumRuote; ++k) elenco.impostaTesto(r, k + 2, riga.ruote[k]);
    }
}

void evidenziaEstrazione(Griglia& elenco, int riga) {
    const int ultima = elenco.righe() - 1, colonne = elenco.colonne() - 1;
    if (ultima < 1) return;
    elenco.impostaSfondo(1, 1, ultima, colonne, Bianco);
    if (riga >= 1 && riga <= ultima) elenco.impostaSfondo(riga, 1, riga, colonne, Giallo);
}

void riempiRigheImportate(Griglia& importate, const std::vector<RigaAggiornamento>& righe) {
    intestazioneRuote(importate, "Data    estraz   ");
    const int n = static_cast<int>(righe.size());
    importate.impostaRighe(1);
    importate.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const RigaAggiornamento& riga = righe[r - 1];
        importate.impostaTesto(r, 1, riga.data);
        for (int k = 0; k < NumRuote; ++k) importate.impostaTesto(r, k + 2, riga.ruote[k]);
    }
}

void segnaControllo(Griglia& importate, const ControlloAggiornamento& controllo) {
    const int n = std::min(static_cast<int>(controllo.righe.size()), importate.righe() - 1);
    for (int r = 1; r <= n; ++r) {
        const ControlloRiga& c = controllo.righe[r - 1];
        switch (c.stato) {
            case StatoRiga::Mancante:
                importate.impostaSfondo(r, 1, ArancioMedio);
                break;
            case StatoRiga::Uguale:
            case StatoRiga::Diversa:
                for (int k = 0; k < NumRuote; ++k)
                    if (c.ruotaUguale[k]) importate.impostaSfondo(r, k + 2, VerdeMedio);
                if (c.stato == StatoRiga::Diversa) {
                    importate.impostaColore(r, 1, Rosso);
                    importate.impostaGrassetto(r, 1, true);
                }
                break;
            case StatoRiga::Malformata:
                if (!c.dataValida) importate.impostaSfondo(r, 1, Rosso);
                for (int k = 0; k < NumRuote; ++k)
                    if (!c.ruotaValida[k]) importate.impostaSfondo(r, k + 2, Rosso);
                break;
        }
    }
}

}  // namespace quorvane
