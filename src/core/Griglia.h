#pragma once
// Griglia: the table of cells every window and the command line show. Row 0 is the header and
// column 0 the fixed column, as in the grids the program was first drawn with; windows fill a
// Griglia from engine results and a view shows it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    std::optional<Colore> sfondo;  // nullopt: default colour
    std::optional<Colore> colore;
    std::optional<Allineamento> allineamento;  // nullopt: the column's alignment
    bool grassetto = false;
};

// What changed in a grid since its listener was last told: the cells only, or also its shape
// (sizes, fixed, hidden or wide rows and columns, the position a view should show).
enum class Cambio : unsigned char { Nessuno, Celle, Forma };

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

    const std::string& testo(int riga, int colonna) const { return cella(riga, colonna).testo; }
    void impostaTesto(int riga, int colonna, std::string testo) {
        cellaScritta(riga, colonna).testo = std::move(testo);
        ascolto_.segnala(Cambio::Celle);
    }
    double valore(int riga, int colonna) const { return valoreNumerico(testo(riga, colonna)); }

    std::optional<Colore> sfondo(int riga, int colonna) const { return cella(riga, colonna).sfondo; }
    std::optional<Colore> colore(int riga, int colonna) const { return cella(riga, colonna).colore; }
    bool grassetto(int riga, int colonna) const { return cella(riga, colonna).grassetto; }
    // The cell's own alignment, else its column's.
    Allineamento allineamento(int riga, int colonna) const;

    void impostaSfondo(int riga, int colonna, std::optional<Colore> c) {
        cellaScritta(riga, colonna).sfondo = c;
        ascolto_.segnala(Cambio::Celle);
    }
    void impostaColore(int riga, int colonna, std::optional<Colore> c) {
        cellaScritta(riga, colonna).colore = c;
        ascolto_.segnala(Cambio::Celle);
    }
    void impostaGrassetto(int riga, int colonna, bool g) {
        cellaScritta(riga, colonna).grassetto = g;
        ascolto_.segnala(Cambio::Celle);
    }

    // Rectangle setters: the two corners may come in any order.
    void impostaTesto(int r1, int c1, int r2, int c2, const std::string& testo);
    void impostaSfondo(int r1, int c1, int r2, int c2, std::optional<Colore> c);
    void impostaColore(int r1, int c1, int r2, int c2, std::optional<Colore> c);
    void impostaGrassetto(int r1, int c1, int r2, int c2, bool g);
    void impostaAllineamento(int r1, int c1, int r2, int c2, std::optional<Allineamento> a);

    Allineamento allineamentoColonna(int colonna) const { return colonneInfo_[colonna].allineamento; }
    void impostaAllineamentoColonna(int colonna, Allineamento a) {
        colonneInfo_[colonna].allineamento = a;
        ascolto_.segnala(Cambio::Celle);
    }

    // Values offered when a cell of the column is edited, as "|1|2|3". A leading '|' means the
    // user may also type a value of their own.
    const std::string& elencoModifica(int colonna) const { return colonneInfo_[colonna].elenco; }
    void impostaElencoModifica(int colonna, std::string elenco) { colonneInfo_[colonna].elenco = std::move(elenco); }
    std::vector<std::string> valoriElenco(int colonna) const;
    bool elencoLibero(int colonna) const;

    // Width in pixels; 0 leaves it to the view.
    int larghezzaColonna(int colonna) const { return colonneInfo_[colonna].larghezza; }
    void impostaLarghezzaColonna(int colonna, int pixel) {
        colonneInfo_[colonna].larghezza = pixel;
        ascolto_.segnala(Cambio::Forma);
    }

    bool modificabile() const { return modificabile_; }
    void impostaModificabile(bool m) {
        modificabile_ = m;
        ascolto_.segnala(Cambio::Celle);
    }
    // In an editable grid, a column can be kept read-only.
    bool colonnaModificabile(int colonna) const { return modificabile_ && !colonneInfo_[colonna].bloccata; }
    void bloccaColonna(int colonna, bool bloccata = true) {
        colonneInfo_[colonna].bloccata = bloccata;
        ascolto_.segnala(Cambio::Celle);
    }

    bool rigaNascosta(int riga) const { return righeNascoste_[static_cast<std::size_t>(riga)] != 0; }
    void nascondiRiga(int riga, bool nascosta = true) {
        righeNascoste_[static_cast<std::size_t>(riga)] = nascosta ? 1 : 0;
        ascolto_.segnala(Cambio::Forma);
    }
    bool colonnaNascosta(int colonna) const { return colonneInfo_[colonna].nascosta; }
    void nascondiColonna(int colonna, bool nascosta = true) {
        colonneInfo_[colonna].nascosta = nascosta;
        ascolto_.segnala(Cambio::Forma);
    }

    // Sorts the data rows by one column, keeping the order of equal keys; rows move whole.
    void ordina(int colonna, Ordine ordine);

    // Cells separated by '\t', rows by '\r', as the clipboard receives a grid.
    std::string testoIntervallo(int r1, int c1, int r2, int c2) const;
    std::string testoTabella() const;

    // Kept in step with the view: the cell last clicked and the first row scrolled into view.
    // The setters move the view; the view reports back through annota*, which tell no listener.
    int rigaCorrente() const { return rigaCorrente_; }
    int colonnaCorrente() const { return colonnaCorrente_; }
    int primaRigaMostrata() const { return primaRigaMostrata_; }
    void impostaRigaCorrente(int r) {
        rigaCorrente_ = r;
        ascolto_.segnala(Cambio::Forma);
    }
    void impostaColonnaCorrente(int c) {
        colonnaCorrente_ = c;
        ascolto_.segnala(Cambio::Forma);
    }
    void impostaPrimaRigaMostrata(int r) {
        primaRigaMostrata_ = r;
        ascolto_.segnala(Cambio::Forma);
    }
    void annotaCorrente(int riga, int colonna) {
        rigaCorrente_ = riga;
        colonnaCorrente_ = colonna;
    }
    void annotaPrimaRigaMostrata(int r) { primaRigaMostrata_ = r; }

    // The view that shows the grid listens here. The listener is called on the first change
    // after prendiCambio(), so a fill of thousands of cells calls it once; one listener at a time.
    // A copy starts with no listener; an assignment keeps the target's and tells it.
    void impostaAscoltatore(std::function<void()> ascoltatore) { ascolto_.ascoltatore = std::move(ascoltatore); }
    Cambio cambioInAttesa() const { return ascolto_.inAttesa; }
    // What changed since the last call; the next change calls the listener again.
    Cambio prendiCambio() { return std::exchange(ascolto_.inAttesa, Cambio::Nessuno); }

private:
    struct InfoColonna {
        Allineamento allineamento = Allineamento::Sinistra;
        std::string elenco;
        int larghezza = 0;
        bool nascosta = false;
        bool bloccata = false;
    };

    struct Ascolto {
        std::function<void()> ascoltatore;
        Cambio inAttesa = Cambio::Nessuno;

        Ascolto() = default;
        Ascolto(const Ascolto&) {}
        Ascolto(Ascolto&&) noexcept {}
        Ascolto& operator=(const Ascolto&) {
            segnala(Cambio::Forma);
            return *this;
        }
        Ascolto& operator=(Ascolto&&) noexcept {
            segnala(Cambio::Forma);
            return *this;
        }
        // Cheap when nobody listens or a change is already waiting: a test and a compare.
        void segnala(Cambio c) {
            if (!ascoltatore) return;
            const bool primo = inAttesa == Cambio::Nessuno;
            if (c > inAttesa) inAttesa = c;
            if (primo) ascoltatore();
        }
    };

    Cella& cellaScritta(int riga, int colonna) { return celle_[indice(riga, colonna)]; }
    std::size_t indice(int riga, int colonna) const {
        return static_cast<std::size_t>(riga) * static_cast<std::size_t>(colonne_) + static_cast<std::size_t>(colonna);
    }
    template <class F>
    void perOgniCella(int r1, int c1, int r2, int c2, F f);
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
    Ascolto ascolto_;  // last: an assignment tells the listener once the grid is whole
};

}  // namespace quorvane
