#include "analyses/Quadratura.h"

#include "core/Colori.h"
#include "core/Fuori90.h"

namespace quorvane {

namespace {
constexpr Colore SfondoValore = 0x80FFFF;
constexpr Colore Blu = 0xFF0000;

// Columns 0 and 1 of rows 1..12.
constexpr const char* TestiFissi[RigheQuadratura - 1][2] = {
    {"Somma orizzontale 1", "N1+N2"},    {"Somma orizzontale 2", "N3+N4"},    {"Somma verticale 1", "N1+N3"},
    {"Somma verticale 2", "N2+N4"},      {"Somma diagonale 1", "N1+N4"},      {"Somma diagonale 2", "N2+N3"},
    {"Distanza orizzontale 1", "N1 N2"}, {"Distanza orizzontale 2", "N3 N4"}, {"Distanza verticale 1", "N1 N3"},
    {"Distanza verticale 2", "N2 N4"},   {"Distanza diagonale 1", "N1 N4"},   {"Distanza diagonale 2", "N2 N3"}};
}  // namespace

Quadratura calcolaQuadratura(const std::array<int, 4>& numeri) {
    Quadratura q;
    q.numeri = numeri;
    q.totale = somma90(numeri[0] + numeri[1], numeri[2] + numeri[3]);
    for (int i = 0; i < NumCoppie; ++i) {
        const int a = numeri[ElementiCoppie[i].primo], b = numeri[ElementiCoppie[i].secondo];
        q.somme[i] = somma90(a, b);
        q.distanze[i] = distanza90(a, b);
    }
    return q;
}

int valoreCasella(const std::string& testo) {
    return static_cast<int>(valoreNumerico(testo));
}

bool rigaQuadratura(int riga, RigaQuadratura* esito) {
    if (riga < 1 || riga > 12) return false;
    const bool somma = riga <= NumCoppie;
    *esito = {static_cast<Coppia>(somma ? riga - 1 : riga - 1 - NumCoppie), somma};
    return true;
}

void preparaTabellaQuadratura(Griglia& tabella) {
    tabella.impostaIntestazione("Somma / Distanza            |Elementi|Numeri |Valore");
    tabella.impostaRighe(1);  // no result of an earlier square stays
    tabella.impostaRighe(RigheQuadratura);
    for (int r = 1; r < RigheQuadratura; ++r) {
        tabella.impostaTesto(r, 0, TestiFissi[r - 1][0]);
        tabella.impostaTesto(r, 1, TestiFissi[r - 1][1]);
    }
    for (int c = 1; c <= 3; ++c) tabella.impostaAllineamentoColonna(c, Allineamento::Centro);
}

void scriviQuadratura(Griglia& tabella, const std::array<std::string, 4>& caselle, const Quadratura& q) {
    for (int r = 1; r < RigheQuadratura; ++r) {
        RigaQuadratura riga{};
        rigaQuadratura(r, &riga);
        const int i = static_cast<int>(riga.coppia);
        tabella.impostaTesto(r, 2, caselle[ElementiCoppie[i].primo] + " " + caselle[ElementiCoppie[i].secondo]);
        tabella.impostaTesto(r, 3, std::to_string(riga.somma ? q.somme[i] : q.distanze[i]));
    }
    tabella.impostaSfondo(1, 3, RigheQuadratura - 1, 3, SfondoValore);
    tabella.impostaColore(1, 3, RigheQuadratura - 1, 3, Rosso);
    tabella.impostaColore(1, 2, RigheQuadratura - 1, 2, Blu);
}

}  // namespace quorvane
