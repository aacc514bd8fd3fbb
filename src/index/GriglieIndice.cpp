#include "index/GriglieIndice.h"

#include <string>

#include "core/Colori.h"

namespace quorvane {

namespace {
void centraColonne(Griglia& g) {
    for (int c = 0; c < g.colonne(); ++c) g.impostaAllineamentoColonna(c, Allineamento::Centro);
}
}  // namespace

namespace {
// The outcome columns of a model row after a verification.
void mostraEsiti(Griglia& fgV, int r, const RigaModello& m, const ArchivioEstrazioni& archivio) {
    fgV.impostaSfondo(r, 7, r, 22, Bianco);
    for (int w = 1; w <= NumRuote; ++w) {
        fgV.impostaTesto(r, 6 + w, m.usciti[w - 1]);
        const int presi = m.maxPresi[w - 1];
        if (presi > 0) fgV.impostaSfondo(r, 6 + w, ColoriEsiti[presi < 5 ? presi : 5]);
    }
    if (m.colpo > 0) {
        fgV.impostaTesto(r, 18, std::to_string(m.colpo));
        fgV.impostaTesto(r, 19, std::to_string(m.estrazioneEsito));
        fgV.impostaTesto(r, 20, archivio.DateEstrazioni(m.estrazioneEsito));
        fgV.impostaTesto(r, 21, m.S);
        fgV.impostaTesto(r, 22, m.Ge);
    }
    fgV.impostaSfondo(r, 19, r, 20, GialloChiaro);
    fgV.impostaGrassetto(r, 18, r, 18, true);
    fgV.impostaColore(r, 18, r, 18, BluPrevisioni);
    fgV.impostaGrassetto(r, 21, r, 22, true);
    fgV.impostaColore(r, 21, r, 21, Rosso);
    fgV.impostaSfondo(r, 22, r, 22, CelesteMedio);
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
    // Only the sorte is typed by the user.
    for (int c = 2; c < fgZZ.colonne(); ++c) fgZZ.bloccaColonna(c);
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
        fgV.impostaTesto(r, 6, m.pr);
        if (m.verificata) mostraEsiti(fgV, r, m, archivio);
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

void riempiFgCC(Griglia& fgCC, const std::vector<Formazione>& formazioni) {
    impostaIntestazioneFgCC(fgCC);
    fgCC.impostaRighe(1);
    fgCC.impostaRighe(static_cast<int>(formazioni.size()) + 1);
    for (std::size_t i = 0; i < formazioni.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        fgCC.impostaTesto(r, 0, std::to_string(formazioni[i].copertura));
        for (std::size_t k = 0; k < formazioni[i].numeri.size() && k < 8; ++k)
            fgCC.impostaTesto(r, static_cast<int>(k) + 1, std::to_string(formazioni[i].numeri[k]));
    }
}

void riempiFgZZ(Griglia& fgZZ, const AnalisiIndice& analisi) {
    impostaIntestazioneFgZZ(fgZZ);
    const int n = static_cast<int>(analisi.previsioni.size());
    fgZZ.impostaRighe(1);
    fgZZ.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const Previsione& p = analisi.previsioni[r - 1];
        fgZZ.impostaTesto(r, 0, std::to_string(p.numero));
        if (p.attiva) fgZZ.impostaSfondo(r, 0, Giallo);
        fgZZ.impostaTesto(r, 1, std::to_string(p.sorte));
        fgZZ.impostaTesto(r, 2, std::to_string(p.esiti));
        if (p.et) fgZZ.impostaTesto(r, 3, std::to_string(*p.et));
        for (int k = 0; k < Previsione::MaxNumeri; ++k)
            if (p.numeri[k] != 0) fgZZ.impostaTesto(r, 4 + k, std::to_string(p.numeri[k]));
        fgZZ.impostaGrassetto(r, 4, r, 11, true);
        fgZZ.impostaColore(r, 4, r, 11, BluPrevisioni);
    }
}

void riempiFgAbb(Griglia& fgAbb, const std::vector<std::pair<int, int>>& abbinamenti) {
    fgAbb.impostaIntestazione("Num|Pr");
    centraColonne(fgAbb);
    fgAbb.impostaRighe(1);
    fgAbb.impostaRighe(static_cast<int>(abbinamenti.size()) + 1);
    for (std::size_t i = 0; i < abbinamenti.size(); ++i) {
        fgAbb.impostaTesto(static_cast<int>(i) + 1, 0, std::to_string(abbinamenti[i].first));
        fgAbb.impostaTesto(static_cast<int>(i) + 1, 1, std::to_string(abbinamenti[i].second));
    }
}

void riempiFg1(Griglia& fg1, const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi) {
    fg1.impostaIntestazione("  |Colpo|N° Estr |Data Estraz  |Ruota|N1|N2|N3|N4|N5|NP|QN|Esito");
    centraColonne(fg1);
    fg1.impostaRighe(1);
    for (const EstrazioneVerificata& e : estrazioni) {
        const int r = fg1.righe();
        fg1.impostaRighe(r + 1);
        fg1.impostaTesto(r, 1, std::to_string(e.colpo));
        fg1.impostaTesto(r, 2, std::to_string(e.estrazione));
        fg1.impostaTesto(r, 3, e.data);
        if (e.colpo <= numeroColpi) fg1.impostaSfondo(r, 1, CelesteMedio);
        for (const EsitoVerifica& esito : e.esiti) {
            const int h = fg1.righe();
            fg1.impostaRighe(h + 1);
            fg1.impostaTesto(h, 4, std::string(SiglaRuota[esito.ruota]));
            fg1.impostaTesto(h, 10, std::to_string(esito.riga));
            fg1.impostaTesto(h, 11, std::to_string(esito.presi));
            fg1.impostaTesto(h, 12, esito.numeri);
        }
    }
    const int ultima = fg1.righe() - 1;
    if (ultima < 1) return;
    fg1.impostaSfondo(1, 2, ultima, 3, GialloChiaro);
    fg1.impostaSfondo(1, 4, ultima, 4, VerdeMedio);
    fg1.impostaGrassetto(1, 4, ultima, 4, true);
    fg1.impostaSfondo(1, 10, ultima, 10, GialloMedio);
    fg1.impostaSfondo(1, 11, ultima, 11, ArancioChiaro);
    fg1.impostaGrassetto(1, 12, ultima, 12, true);
    fg1.impostaColore(1, 12, ultima, 12, Rosso);
}

std::string testoCoperti(const AnalisiIndice& a) { return a.coperti ? std::to_string(*a.coperti) : std::string(); }

std::string testoScoperti(const AnalisiIndice& a) {
    return a.coperti ? std::to_string(a.Presenze - *a.coperti) : std::string();
}

bool copertiCompleti(const AnalisiIndice& a) { return a.coperti && *a.coperti == a.Presenze; }

}  // namespace quorvane
