#pragma once
// Griglia: the table of cells every window and the command line show. Row 0 is the header and
// column 0 the fixed column, as in the grids the program was first drawn with; windows fill a
// Griglia from engine results and a view shows it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// 0xBBGGRR: blue*65536 + green*256 + red, the integer the program stores and prints.
using Colore = std::int32_t;

constexpr Colore rgb(int rosso, int verde, int blu) {
    return static_cast<Colore>((blu & 0xFF) << 16 | (verde & 0xFF) << 8 | (rosso & 0xFF));
}

enum class Allineamento { Sinistra, Centro, Destra };

enum class Ordine { NumericoDiscendente, NumericoAscendente, TestoAscendente };

struct Cella {
    std::string testo;
    std::optional<Colore> sfondo;   // nullopt: default colour
    std::optional<Colore> colore;
    std::optional<Allineamento> allineamento;  // nullopt: the column's alignment
    bool grassetto = false;
};

// Leading numeric reading of a text: blanks skipped, optional sign, digits with one decimal
// point; stops at the first other character. 0 when nothing numeric leads.
double valoreNumerico(std::string_view testo);

class Griglia {
public:
    explicit Griglia(std::string nome = {}, int righe = 1, int colonne = 1);

    const std::string& nome() const { return nome_; }
    void impostaNome(std::string nome) { nome_ = std::move(nome); }

    int righe() const { return righe_; }
    int colonne() const { return colonne_; }
    // Growing adds empty cells, shrinking drops the cells beyond the new size.
    void impostaRighe(int righe);
    void impostaColonne(int colonne);
    void riserva(int righe);

    int righeFisse() const { return righeFisse_; }
    int colonneFisse() const { return colonneFisse_; }
    void impostaRigheFisse(int n);
    void impostaColonneFisse(int n);

    // "Col0|Col1|...": sets the column count to the number of pieces and writes them in row 0.
    void impostaIntestazione(std::string_view layout);

    // Appends a row; the pieces of a '\t'-separated text fill its cells from column 0.
    int aggiungiRiga(std::string_view testiTab = {});
    void rimuoviRiga(int riga);

    const Cella& cella(int riga, int colonna) const { return celle_[indice(riga, colonna)]; }
    Cella& cella(int riga, int colonna) { return celle_[indice(riga, colonna)]; }

    const std::string& testo(int riga, int colonna) const { return cella(riga, colonna).testo; }
    void impostaTesto(int riga, int colonna, std::string testo) {
        cella(riga, colonna).testo = std::move(testo);
    }
    double valore(int riga, int colonna) const { return valoreNumerico(testo(riga, colonna)); }

    std::optional<Colore> sfondo(int riga, int colonna) const { return cella(riga, colonna).sfondo; }
    std::optional<Colore> colore(int riga, int colonna) const { return cella(riga, colonna).colore; }
    bool grassetto(int riga, int colonna) const { return cella(riga, colonna).grassetto; }
    // The cell's own alignment, else its column's.
    Allineamento allineamento(int riga, int colonna) const;

    void impostaSfondo(int riga, int colonna, std::optional<Colore> c) { cella(riga, colonna).sfondo = c; }
    void impostaColore(int riga, int colonna, std::optional<Colore> c) { cella(riga, colonna).colore = c; }
    void impostaGrassetto(int riga, int colonna, bool g) { cella(riga, colonna).grassetto = g; }

    // Rectangle setters: the two corners may come in any order.
    void impostaTesto(int r1, int c1, int r2, int c2, const std::string& testo);
    void impostaSfondo(int r1, int c1, int r2, int c2, std::optional<Colore> c);
    void impostaColore(int r1, int c1, int r2, int c2, std::optional<Colore> c);
    void impostaGrassetto(int r1, int c1, int r2, int c2, bool g);
    void impostaAllineamento(int r1, int c1, int r2, int c2, std::optional<Allineamento> a);

    Allineamento allineamentoColonna(int colonna) const { return colonneInfo_[colonna].allineamento; }
    void impostaAllineamentoColonna(int colonna, Allineamento a) { colonneInfo_[colonna].allineamento = a; }

    // Values offered when a cell of the column is edited, as "|1|2|3". A leading '|' means the
    // user may also type a value of their own.
    const std::string& elencoModifica(int colonna) const { return colonneInfo_[colonna].elenco; }
    void impostaElencoModifica(int colonna, std::string elenco) { colonneInfo_[colonna].elenco = std::move(elenco); }
    std::vector<std::string> valoriElenco(int colonna) const;
    bool elencoLibero(int colonna) const;

    // Width in pixels; 0 leaves it to the view.
    int larghezzaColonna(int colonna) const { return colonneInfo_[colonna].larghezza; }
    void impostaLarghezzaColonna(int colonna, int pixel) { colonneInfo_[colonna].larghezza = pixel; }

    bool modificabile() const { return modificabile_; }
    void impostaModificabile(bool m) { modificabile_ = m; }
    // In an editable grid, a column can be kept read-only.
    bool colonnaModificabile(int colonna) const { return modificabile_ && !colonneInfo_[colonna].bloccata; }
    void bloccaColonna(int colonna, bool bloccata = true) { colonneInfo_[colonna].bloccata = bloccata; }

    bool rigaNascosta(int riga) const { return righeNascoste_[static_cast<std::size_t>(riga)] != 0; }
    void nascondiRiga(int riga, bool nascosta = true) {
        righeNascoste_[static_cast<std::size_t>(riga)] = nascosta ? 1 : 0;
    }
    bool colonnaNascosta(int colonna) const { return colonneInfo_[colonna].nascosta; }
    void nascondiColonna(int colonna, bool nascosta = true) { colonneInfo_[colonna].nascosta = nascosta; }

    // Sorts the data rows by one column, keeping the order of equal keys; rows move whole.
    void ordina(int colonna, Ordine ordine);

    // Cells separated by '\t', rows by '\r', as the clipboard receives a grid.
    std::string testoIntervallo(int r1, int c1, int r2, int c2) const;
    std::string testoTabella() const;

    // Kept in step with the view: the cell last clicked and the first row scrolled into view.
    int rigaCorrente() const { return rigaCorrente_; }
    int colonnaCorrente() const { return colonnaCorrente_; }
    int primaRigaMostrata() const { return primaRigaMostrata_; }
    void impostaRigaCorrente(int r) { rigaCorrente_ = r; }
    void impostaColonnaCorrente(int c) { colonnaCorrente_ = c; }
    void impostaPrimaRigaMostrata(int r) { primaRigaMostrata_ = r; }

private:
    struct InfoColonna {
        Allineamento allineamento = Allineamento::Sinistra;
        std::string elenco;
        int larghezza = 0;
        bool nascosta = false;
        bool bloccata = false;
    };

    std::size_t indice(int riga, int colonna) const {
        return static_cast<std::size_t>(riga) * static_cast<std::size_t>(colonne_) +
               static_cast<std::size_t>(colonna);
    }
    template <class F> void perOgniCella(int r1, int c1, int r2, int c2, F f);
    void limitaPosizioni();

    std::string nome_;
    int righe_ = 0;
    int colonne_ = 0;
    int righeFisse_ = 1;
    int colonneFisse_ = 1;
    std::vector<Cella> celle_;  // row-major, righe_ * colonne_
    std::vector<unsigned char> righeNascoste_;
    std::vector<InfoColonna> colonneInfo_;
    bool modificabile_ = false;
    int rigaCorrente_ = 0;
    int colonnaCorrente_ = 0;
    int primaRigaMostrata_ = 0;
};

}  // namespace quorvane
