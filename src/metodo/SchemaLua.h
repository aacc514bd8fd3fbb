#pragma once
// Lua's patterns ("%d+", "(%a+)=(%w*)", "%b()", "%f[%w]", ...) matched as Lua's string library
// matches them, one step at a time: a hostile pattern backtracks for hours inside C, where the
// instruction budget and "Annulla" never look, so here every Passo steps the caller is asked
// whether to go on.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace quorvane {

// A malformed pattern or a wrong capture index, in Italian.
struct ErroreSchema : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The caller's Controllo said no.
struct SchemaFermato {};

class SchemaLua {
public:
    static constexpr int MaxCatture = 32;
    static constexpr long long Passo = 1000;
    // The lengths of a capture not closed and of a position capture "()", which captures its offset.
    static constexpr std::ptrdiff_t Aperta = -1;
    static constexpr std::ptrdiff_t Posizione = -2;

    // Asked every Passo steps with the steps done since it was last asked; false stops the match.
    class Controllo {
    public:
        virtual bool continua(long long passi) = 0;

    protected:
        ~Controllo() = default;
    };

    struct Cattura {
        std::size_t inizio = 0;
        std::ptrdiff_t lunghezza = 0;  // Posizione for "()"
    };

    // `ancoraIniziale`: a leading '^' anchors the match (find, match, gsub; not gmatch).
    SchemaLua(std::string_view testo, std::string_view schema, bool ancoraIniziale, Controllo& controllo);

    bool ancorato() const { return ancorato_; }
    // The end of a match starting at offset `da` (0..length), or nothing. Throws ErroreSchema or
    // SchemaFermato.
    std::optional<std::size_t> confronta(std::size_t da);
    // The captures of the last match, as the pattern left them (a capture may be Aperta).
    int catture() const { return livello_; }
    Cattura cattura(int i) const {
        return {static_cast<std::size_t>(catture_[i].inizio - testo_), catture_[i].lunghezza};
    }

    // Whether `schema` has none of the characters that make a pattern: string.find then looks for it
    // as plain text.
    static bool semplice(std::string_view schema);
    // Plain text search of `parola` from offset `da`. Throws SchemaFermato.
    static std::optional<std::size_t> trova(std::string_view testo, std::string_view parola, std::size_t da,
                                            Controllo& controllo);

private:
    const char* confrontaDa(const char* s, const char* p);
    const char* ripetiMassimo(const char* s, const char* p, const char* fineClasse);
    const char* ripetiMinimo(const char* s, const char* p, const char* fineClasse);
    const char* apriCattura(const char* s, const char* p, std::ptrdiff_t tipo);
    const char* chiudiCattura(const char* s, const char* p);
    const char* stessaCattura(const char* s, char indice);
    const char* bilanciato(const char* s, const char* p);
    const char* fineClasse(const char* p) const;
    bool unCarattere(const char* s, const char* p, const char* fineClasse) const;
    char carattere(const char* p) const { return p < fineSchema_ ? *p : '\0'; }
    int indiceCattura(char indice) const;
    void passi(long long n = 1);

    const char* testo_;
    const char* fineTesto_;
    const char* schema_;
    const char* fineSchema_;
    bool ancorato_ = false;
    Controllo& controllo_;
    long long passi_ = 0;
    int profondita_ = 0;
    int livello_ = 0;
    struct {
        const char* inizio;
        std::ptrdiff_t lunghezza;
    } catture_[MaxCatture] = {};
};

}  // namespace quorvane
