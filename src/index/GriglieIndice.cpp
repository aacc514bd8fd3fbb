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
void mostraEsiti(Griglia& g, int r, const RigaModello& m, const ArchivioEstrazioni& archivio) {
    g.impostaSfondo(r, 7, r, 22, Bianco);
    for (int w = 1; w <= NumRuote; ++w) {
        g.impostaTesto(r, 6 + w, m.usciti[w - 1]);
        const int presi = m.maxPresi[w - 1];
        if (presi > 0) g.impostaSfondo(r, 6 + w, ColoriEsiti[presi < 5 ? presi : 5]);
    }
    if (m.colpo > 0) {
        g.impostaTesto(r, 18, std::to_string(m.colpo));
        g.impostaTesto(r, 19, std::to_string(m.estrazioneEsito));
        g.impostaTesto(r, 20, archivio.DateEstrazioni(m.estrazioneEsito));
        g.impostaTesto(r, 21, m.S);
        g.impostaTesto(r, 22, m.Ge);
    }
    g.impostaSfondo(r, 19, r, 20, GialloChiaro);
    g.impostaGrassetto(r, 18, r, 18, true);
    g.impostaColore(r, 18, r, 18, BluPrevisioni);
    g.impostaGrassetto(r, 21, r, 22, true);
    g.impostaColore(r, 21, r, 21, Rosso);
    g.impostaSfondo(r, 22, r, 22, CelesteMedio);
}
}  // namespace

void impostaIntestazioneModello(Griglia& g) {
    g.impostaIntestazione(
        "N°   |Estr     |Data Estraz    |Inizio   |Fine    |End    |Pr   |B|C|F|G|M|N|P|R|T|V|Z|C  "
        "|N° Est  |Data Esito     |S    |Ge   ");
    g.nascondiColonna(6);
    centraColonne(g);
}

void impostaIntestazioneFormazioni(Griglia& g) {
    g.impostaIntestazione("CC   |N1 |N2 |N3 |N4 |N5 |N6 |N7 |N8 ");
    centraColonne(g);
}

void impostaIntestazionePrevisioni(Griglia& g) {
    g.impostaIntestazione("N° |Sorte |Esiti|ET  |1|2|3|4|5|6|7|8");
    g.impostaElencoModifica(1, "|1|2|3|4|5");
    // Only the sorte is typed by the user.
    for (int c = 2; c < g.colonne(); ++c) g.bloccaColonna(c);
    centraColonne(g);
}

void impostaIntestazioneRitardi(Griglia& g) {
    g.impostaIntestazione("N°  |B|C|F|G|M|N|P|R|T|V|Z");
    centraColonne(g);
}

void riempiEstrazioneMostrata(Griglia& g, const ArchivioEstrazioni& archivio, int estrazione) {
    g.impostaRigheFisse(0);
    g.impostaRighe(NumRuote);
    g.impostaColonne(1 + NumPosizioni);
    centraColonne(g);
    g.impostaSfondo(0, 1, NumRuote - 1, NumPosizioni, Bianco);
    for (int w = 1; w <= NumRuote; ++w) {
        g.impostaTesto(w - 1, 0, std::string(SiglaRuota[w]));
        for (int k = 1; k <= NumPosizioni; ++k)
            g.impostaTesto(w - 1, k, std::to_string(archivio.Estratti(estrazione, w, k)));
    }
}

void riempiRuoteInGioco(Griglia& g, const std::array<bool, NumRuote>& ruote) {
    g.impostaRigheFisse(0);
    g.impostaColonneFisse(0);
    g.impostaRighe(1);
    g.impostaColonne(NumRuote);
    centraColonne(g);
    for (int w = 1; w <= NumRuote; ++w) {
        g.impostaTesto(0, w - 1, std::string(SiglaRuota[w]));
        g.impostaSfondo(0, w - 1, ruote[w - 1] ? Verde : Bianco);
    }
}

void riempiTavolaNumeri(Griglia& g, const TavolaNumeri& tavola) {
    g.impostaRigheFisse(0);
    g.impostaColonneFisse(0);
    g.impostaRighe(9);
    g.impostaColonne(10);
    centraColonne(g);
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 10; ++j) {
            const int n = 10 * i + j + 1;
            g.impostaTesto(i, j, std::to_string(n));
            g.impostaSfondo(i, j, tavola.scelto(n) ? Verde : Bianco);
        }
    }
}

void riempiLegendaEsiti(Griglia& g) {
    g.impostaRigheFisse(0);
    g.impostaColonneFisse(0);
    g.impostaRighe(5);
    g.impostaColonne(2);
    centraColonne(g);
    for (int k = 1; k <= 5; ++k) {
        g.impostaSfondo(k - 1, 0, ColoriEsiti[k]);
        g.impostaTesto(k - 1, 1, std::to_string(k));
    }
}

void riempiTabellaModello(Griglia& g, const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio) {
    impostaIntestazioneModello(g);
    const int n = static_cast<int>(analisi.modello.size());
    g.impostaRighe(1);
    g.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const RigaModello& m = analisi.modello[r - 1];
        g.impostaTesto(r, 0, std::to_string(m.numero));
        g.impostaTesto(r, 1, std::to_string(m.estr));
        g.impostaTesto(r, 2, archivio.DateEstrazioni(m.estr));
        g.impostaTesto(r, 3, std::to_string(m.inizio));
        g.impostaTesto(r, 4, std::to_string(m.fine));
        g.impostaTesto(r, 5, std::to_string(m.end));
        if (m.coperta) g.impostaSfondo(r, 0, Verde);
        else if (m.tagliata) g.impostaSfondo(r, 0, Giallo);
        if (m.senzaSeguito) g.impostaSfondo(r, 1, Rosso);
        if (m.inizioSovrapposto) g.impostaSfondo(r, 3, Verde);
        if (m.endAccorciato) g.impostaSfondo(r, 5, Giallo);
        g.impostaTesto(r, 6, m.pr);
        if (m.verificata) mostraEsiti(g, r, m, archivio);
    }
    if (n > 0) {
        g.impostaSfondo(1, 6, n, 6, CelesteRisultati);
        g.impostaGrassetto(1, 6, n, 6, true);
    }
}

void riempiTabellaRitardi(Griglia& g, const TabellaRitardi& ritardi, const std::array<bool, NumRuote>& ruoteSel) {
    impostaIntestazioneRitardi(g);
    g.impostaRighe(NumeroMassimo + 1);
    for (int n = 1; n <= NumeroMassimo; ++n) {
        g.impostaTesto(n, 0, std::to_string(n));
        for (int w = 1; w <= NumRuote; ++w) g.impostaTesto(n, w, std::to_string(ritardi[n][w - 1]));
    }
    for (int w = 1; w <= NumRuote; ++w)
        g.impostaSfondo(1, w, NumeroMassimo, w, ruoteSel[w - 1] ? std::optional<Colore>(GialloRitardi) : std::nullopt);
    g.impostaGrassetto(1, 0, NumeroMassimo, 0, true);
}

void riempiTabellaCoppie(Griglia& g, const std::vector<CoperturaCoppia>& coppie) {
    g.impostaIntestazione(" |N1 |N2 |Copertura");
    centraColonne(g);
    const int n = static_cast<int>(coppie.size());
    g.impostaRighe(1);
    g.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        g.impostaTesto(r, 1, std::to_string(coppie[r - 1].a));
        g.impostaTesto(r, 2, std::to_string(coppie[r - 1].b));
        g.impostaTesto(r, 3, std::to_string(coppie[r - 1].copertura));
    }
    if (n > 0) {
        g.impostaSfondo(1, 3, n, 3, GialloRitardi);
        g.impostaGrassetto(1, 3, n, 3, true);
    }
}

void riempiTabellaFormazioni(Griglia& g, const std::vector<Formazione>& formazioni) {
    impostaIntestazioneFormazioni(g);
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(formazioni.size()) + 1);
    for (std::size_t i = 0; i < formazioni.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.impostaTesto(r, 0, std::to_string(formazioni[i].copertura));
        for (std::size_t k = 0; k < formazioni[i].numeri.size() && k < 8; ++k)
            g.impostaTesto(r, static_cast<int>(k) + 1, std::to_string(formazioni[i].numeri[k]));
    }
}

void riempiTabellaPrevisioni(Griglia& g, const AnalisiIndice& analisi) {
    impostaIntestazionePrevisioni(g);
    const int n = static_cast<int>(analisi.previsioni.size());
    g.impostaRighe(1);
    g.impostaRighe(n + 1);
    for (int r = 1; r <= n; ++r) {
        const Previsione& p = analisi.previsioni[r - 1];
        g.impostaTesto(r, 0, std::to_string(p.numero));
        if (p.attiva) g.impostaSfondo(r, 0, Giallo);
        g.impostaTesto(r, 1, std::to_string(p.sorte));
        g.impostaTesto(r, 2, std::to_string(p.esiti));
        if (p.et) g.impostaTesto(r, 3, std::to_string(*p.et));
        for (int k = 0; k < Previsione::MaxNumeri; ++k)
            if (p.numeri[k] != 0) g.impostaTesto(r, 4 + k, std::to_string(p.numeri[k]));
        g.impostaGrassetto(r, 4, r, 11, true);
        g.impostaColore(r, 4, r, 11, BluPrevisioni);
    }
}

void riempiTabellaAbbinamenti(Griglia& g, const std::vector<std::pair<int, int>>& abbinamenti) {
    g.impostaIntestazione("Num|Pr");
    centraColonne(g);
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(abbinamenti.size()) + 1);
    for (std::size_t i = 0; i < abbinamenti.size(); ++i) {
        g.impostaTesto(static_cast<int>(i) + 1, 0, std::to_string(abbinamenti[i].first));
        g.impostaTesto(static_cast<int>(i) + 1, 1, std::to_string(abbinamenti[i].second));
    }
}

void riempiTabellaVerifica(Griglia& g, const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi) {
    g.impostaIntestazione("  |Colpo|N° Estr |Data Estraz  |Ruota|N1|N2|N3|N4|N5|NP|QN|Esito");
    centraColonne(g);
    g.impostaRighe(1);
    for (const EstrazioneVerificata& e : estrazioni) {
        const int r = g.righe();
        g.impostaRighe(r + 1);
        g.impostaTesto(r, 1, std::to_string(e.colpo));
        g.impostaTesto(r, 2, std::to_string(e.estrazione));
        g.impostaTesto(r, 3, e.data);
        if (e.colpo <= numeroColpi) g.impostaSfondo(r, 1, CelesteMedio);
        for (const EsitoVerifica& esito : e.esiti) {
            const int h = g.righe();
            g.impostaRighe(h + 1);
            g.impostaTesto(h, 4, std::string(SiglaRuota[esito.ruota]));
            g.impostaTesto(h, 10, std::to_string(esito.riga));
            g.impostaTesto(h, 11, std::to_string(esito.presi));
            g.impostaTesto(h, 12, esito.numeri);
        }
    }
    const int ultima = g.righe() - 1;
    if (ultima < 1) return;
    g.impostaSfondo(1, 2, ultima, 3, GialloChiaro);
    g.impostaSfondo(1, 4, ultima, 4, VerdeMedio);
    g.impostaGrassetto(1, 4, ultima, 4, true);
    g.impostaSfondo(1, 10, ultima, 10, GialloMedio);
    g.impostaSfondo(1, 11, ultima, 11, ArancioChiaro);
    g.impostaGrassetto(1, 12, ultima, 12, true);
    g.impostaColore(1, 12, ultima, 12, Rosso);
}

std::string testoCoperti(const AnalisiIndice& a) {
    return a.coperti ? std::to_string(*a.coperti) : std::string();
}

std::string testoScoperti(const AnalisiIndice& a) {
    return a.coperti ? std::to_string(a.Presenze - *a.coperti) : std::string();
}

bool copertiCompleti(const AnalisiIndice& a) {
    return a.coperti && *a.coperti == a.Presenze;
}

}  // namespace quorvane
