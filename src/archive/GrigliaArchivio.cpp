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

void riempiFgDB(Griglia& fgDB, const std::vector<RigaArchivio>& righe) {
    fgDB.impostaIntestazione("|DataEstrazione|Ba|Ca|Fi|Ge|Mi|Na|Pa|Ro|To|Ve|Nz");
    fgDB.nascondiColonna(0);
    for (int c = 1; c <= NumRuote + 1; ++c) fgDB.impostaAllineamentoColonna(c, Allineamento::Centro);
    const int n = static_cast<int>(righe.size());
    fgDB.impostaRighe(1);
    fgDB.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const RigaArchivio& riga = righe[r - 1];
        fgDB.impostaTesto(r, 1, riga.data);
        for (int k = 0; k < NumRuote; ++k) fgDB.impostaTesto(r, k + 2, riga.ruote[k]);
    }
}

void evidenziaRigaFgDB(Griglia& fgDB, int riga) {
    const int ultima = fgDB.righe() - 1, colonne = fgDB.colonne() - 1;
    if (ultima < 1) return;
    fgDB.impostaSfondo(1, 1, ultima, colonne, Bianco);
    if (riga >= 1 && riga <= ultima) fgDB.impostaSfondo(riga, 1, riga, colonne, Giallo);
}

void riempiFgImporta(Griglia& fgImporta, const std::vector<RigaAggiornamento>& righe) {
    intestazioneRuote(fgImporta, "Data    estraz   ");
    const int n = static_cast<int>(righe.size());
    fgImporta.impostaRighe(1);
    fgImporta.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const RigaAggiornamento& riga = righe[r - 1];
        fgImporta.impostaTesto(r, 1, riga.data);
        for (int k = 0; k < NumRuote; ++k) fgImporta.impostaTesto(r, k + 2, riga.ruote[k]);
    }
}

void segnaControllo(Griglia& fgImporta, const ControlloAggiornamento& controllo) {
    const int n = std::min(static_cast<int>(controllo.righe.size()), fgImporta.righe() - 1);
    for (int r = 1; r <= n; ++r) {
        const ControlloRiga& c = controllo.righe[r - 1];
        switch (c.stato) {
        case StatoRiga::Mancante:
            fgImporta.impostaSfondo(r, 1, ArancioMedio);
            break;
        case StatoRiga::Uguale:
        case StatoRiga::Diversa:
            for (int k = 0; k < NumRuote; ++k)
                if (c.ruotaUguale[k]) fgImporta.impostaSfondo(r, k + 2, VerdeMedio);
            if (c.stato == StatoRiga::Diversa) {
                fgImporta.impostaColore(r, 1, Rosso);
                fgImporta.impostaGrassetto(r, 1, true);
            }
            break;
        case StatoRiga::Malformata:
            if (!c.dataValida) fgImporta.impostaSfondo(r, 1, Rosso);
            for (int k = 0; k < NumRuote; ++k)
                if (!c.ruotaValida[k]) fgImporta.impostaSfondo(r, k + 2, Rosso);
            break;
        }
    }
}

}  // namespace quorvane
