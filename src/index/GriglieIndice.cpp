#include "index/GriglieIndice.h"

#include <string>

#include "core/Colori.h"

namespace quorvane {

namespace {
void centraColonne(Griglia& g) {
    for (int c = 0; c < g.colonne(); ++c) g.impostaAllineamentoColonna(c, Allineamento::Centro);
}
}  // namespace

void impostaIntestazioneFgV(Griglia& fgV) {
    fgV.impostaIntestazione(
        "N°   |Estr     |Data Estraz    |Inizio   |Fine    |End    |Pr   |B|C|F|G|M|N|P|R|T|V|Z|C  "
        "|N° Est  |Data Esito     |S    |Ge   ");
    fgV.nascondiColonna(6);
    centraColonne(fgV);
}

void impostaIntestazioneFgCC(Griglia& fgCC) {
    fgCC.impostaIntestazione("CC   |N1 |N2 |N3 |N4 |N5 |N6 |N7 |N8 ");
    centraColonne(fgCC);
}

void impostaIntestazioneFgZZ(Griglia& fgZZ) {
    fgZZ.impostaIntestazione("N° |Sorte |Esiti|ET  |1|2|3|4|5|6|7|8");
    fgZZ.impostaElencoModifica(1, "|1|2|3|4|5");
    centraColonne(fgZZ);
}

void impostaIntestazioneFgRit(Griglia& fgRit) {
    fgRit.impostaIntestazione("N°  |B|C|F|G|M|N|P|R|T|V|Z");
    centraColonne(fgRit);
}

void riempiFga(Griglia& fga, const ArchivioEstrazioni& archivio, int estrazione) {
    fga.impostaRigheFisse(0);
    fga.impostaRighe(NumRuote);
    fga.impostaColonne(1 + NumPosizioni);
    centraColonne(fga);
    fga.impostaSfondo(0, 1, NumRuote - 1, NumPosizioni, Bianco);
    for (int w = 1; w <= NumRuote; ++w) {
        fga.impostaTesto(w - 1, 0, std::string(SiglaRuota[w]));
        for (int k = 1; k <= NumPosizioni; ++k)
            fga.impostaTesto(w - 1, k, std::to_string(archivio.Estratti(estrazione, w, k)));
    }
}

void riempiFgR(Griglia& fgR, const std::array<bool, NumRuote>& ruote) {
    fgR.impostaRigheFisse(0);
    fgR.impostaColonneFisse(0);
    fgR.impostaRighe(1);
    fgR.impostaColonne(NumRuote);
    centraColonne(fgR);
    for (int w = 1; w <= NumRuote; ++w) {
        fgR.impostaTesto(0, w - 1, std::string(SiglaRuota[w]));
        fgR.impostaSfondo(0, w - 1, ruote[w - 1] ? Verde : Bianco);
    }
}

void riempiFg90(Griglia& fg90, const TavolaNumeri& tavola) {
    fg90.impostaRigheFisse(0);
    fg90.impostaColonneFisse(0);
    fg90.impostaRighe(9);
    fg90.impostaColonne(10);
    centraColonne(fg90);
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 10; ++j) {
            const int n = 10 * i + j + 1;
            fg90.impostaTesto(i, j, std::to_string(n));
            fg90.impostaSfondo(i, j, tavola.scelto(n) ? Verde : Bianco);
        }
    }
}

void riempiFgcolore(Griglia& fgcolore) {
    fgcolore.impostaRigheFisse(0);
    fgcolore.impostaColonneFisse(0);
    fgcolore.impostaRighe(5);
    fgcolore.impostaColonne(2);
    centraColonne(fgcolore);
    for (int k = 1; k <= 5; ++k) {
        fgcolore.impostaSfondo(k - 1, 0, ColoriEsiti[k]);
        fgcolore.impostaTesto(k - 1, 1, std::to_string(k));
    }
}

void riempiFgV(Griglia& fgV, const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio) {
    impostaIntestazioneFgV(fgV);
    const int n = static_cast<int>(analisi.modello.size());
    fgV.impostaRighe(1);
    fgV.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const RigaModello& m = analisi.modello[r - 1];
        fgV.impostaTesto(r, 0, std::to_string(m.numero));
        fgV.impostaTesto(r, 1, std::to_string(m.estr));
        fgV.impostaTesto(r, 2, archivio.DateEstrazioni(m.estr));
        fgV.impostaTesto(r, 3, std::to_string(m.inizio));
        fgV.impostaTesto(r, 4, std::to_string(m.fine));
        fgV.impostaTesto(r, 5, std::to_string(m.end));
        if (m.coperta) fgV.impostaSfondo(r, 0, Verde);
        else if (m.tagliata) fgV.impostaSfondo(r, 0, Giallo);
        if (m.senzaSeguito) fgV.impostaSfondo(r, 1, Rosso);
        if (m.inizioSovrapposto) fgV.impostaSfondo(r, 3, Verde);
        if (m.endAccorciato) fgV.impostaSfondo(r, 5, Giallo);
    }
    if (n > 0) {
        fgV.impostaSfondo(1, 6, n, 6, CelesteRisultati);
        fgV.impostaGrassetto(1, 6, n, 6, true);
    }
}

void riempiFgRit(Griglia& fgRit, const TabellaRitardi& ritardi, const std::array<bool, NumRuote>& ruoteSel) {
    impostaIntestazioneFgRit(fgRit);
    fgRit.impostaRighe(NumeroMassimo + 1);
    for (int n = 1; n <= NumeroMassimo; ++n) {
        fgRit.impostaTesto(n, 0, std::to_string(n));
        for (int w = 1; w <= NumRuote; ++w) fgRit.impostaTesto(n, w, std::to_string(ritardi[n][w - 1]));
    }
    for (int w = 1; w <= NumRuote; ++w)
        fgRit.impostaSfondo(1, w, NumeroMassimo, w, ruoteSel[w - 1] ? std::optional<Colore>(GialloRitardi) : std::nullopt);
    fgRit.impostaGrassetto(1, 0, NumeroMassimo, 0, true);
}

void riempiFg9090(Griglia& fg9090, const std::vector<CoperturaCoppia>& coppie) {
    fg9090.impostaIntestazione(" |N1 |N2 |Copertura");
    centraColonne(fg9090);
    const int n = static_cast<int>(coppie.size());
    fg9090.impostaRighe(1);
    fg9090.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        fg9090.impostaTesto(r, 1, std::to_string(coppie[r - 1].a));
        fg9090.impostaTesto(r, 2, std::to_string(coppie[r - 1].b));
        fg9090.impostaTesto(r, 3, std::to_string(coppie[r - 1].copertura));
    }
    if (n > 0) {
        fg9090.impostaSfondo(1, 3, n, 3, GialloRitardi);
        fg9090.impostaGrassetto(1, 3, n, 3, true);
    }
}

void riempiFgCCSingoli(Griglia& fgCC, const std::vector<CoperturaNumero>& numeri) {
    impostaIntestazioneFgCC(fgCC);
    fgCC.impostaRighe(1);
    fgCC.impostaRighe(static_cast<int>(numeri.size()) + 1);
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        fgCC.impostaTesto(r, 0, std::to_string(numeri[i].copertura));
        fgCC.impostaTesto(r, 1, std::to_string(numeri[i].numero));
    }
}

}  // namespace quorvane
