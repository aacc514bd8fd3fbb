#include "metodo/SchemaLua.h"

#include <cctype>
#include <cstring>
#include <string>

namespace quorvane {

namespace {

constexpr char Escape = '%';
constexpr int ProfonditaMassima = 200;  // as Lua's: the C stack is not the budget's to guard

bool unaClasse(int c, int classe) {
    bool dentro = false;
    switch (std::tolower(classe)) {
        case 'a':
            dentro = std::isalpha(c);
            break;
        case 'c':
            dentro = std::iscntrl(c);
            break;
        case 'd':
            dentro = std::isdigit(c);
            break;
        case 'g':
            dentro = std::isgraph(c);
            break;
        case 'l':
            dentro = std::islower(c);
            break;
        case 'p':
            dentro = std::ispunct(c);
            break;
        case 's':
            dentro = std::isspace(c);
            break;
        case 'u':
            dentro = std::isupper(c);
            break;
        case 'w':
            dentro = std::isalnum(c);
            break;
        case 'x':
            dentro = std::isxdigit(c);
            break;
        default:
            return classe == c;
    }
    return std::isupper(classe) ? !dentro : dentro;
}

// A set "[...]" from p (its '[') to fine (its ']').
bool inInsieme(int c, const char* p, const char* fine) {
    bool incluso = true;
    if (*(p + 1) == '^') {
        incluso = false;
        ++p;
    }
    while (++p < fine) {
        if (*p == Escape) {
            ++p;
            if (unaClasse(c, static_cast<unsigned char>(*p))) return incluso;
        } else if (*(p + 1) == '-' && p + 2 < fine) {
            p += 2;
            if (static_cast<unsigned char>(*(p - 2)) <= c && c <= static_cast<unsigned char>(*p)) return incluso;
        } else if (static_cast<unsigned char>(*p) == c) {
            return incluso;
        }
    }
    return !incluso;
}

}  // namespace

SchemaLua::SchemaLua(std::string_view testo, std::string_view schema, bool ancoraIniziale, Controllo& controllo)
    : testo_(testo.data()),
      fineTesto_(testo.data() + testo.size()),
      schema_(schema.data()),
      fineSchema_(schema.data() + schema.size()),
      controllo_(controllo) {
    if (ancoraIniziale && !schema.empty() && schema.front() == '^') {
        ancorato_ = true;
        ++schema_;
    }
}

std::optional<std::size_t> SchemaLua::confronta(std::size_t da) {
    livello_ = 0;
    profondita_ = 0;
    const char* fine = confrontaDa(testo_ + da, schema_);
    if (!fine) return std::nullopt;
    return static_cast<std::size_t>(fine - testo_);
}

void SchemaLua::passi(long long n) {
    passi_ += n;
    if (passi_ < Passo) return;
    const long long fatti = passi_;
    passi_ = 0;
    if (!controllo_.continua(fatti)) throw SchemaFermato{};
}

const char* SchemaLua::fineClasse(const char* p) const {
    switch (*p++) {
        case Escape:
            if (p == fineSchema_) throw ErroreSchema("schema malformato (finisce con '%')");
            return p + 1;
        case '[':
            if (carattere(p) == '^') ++p;
            do {  // up to the ']', past escapes such as "%]"
                if (p == fineSchema_) throw ErroreSchema("schema malformato (manca ']')");
                if (*(p++) == Escape && p < fineSchema_) ++p;
            } while (carattere(p) != ']');
            return p + 1;
        default:
            return p;
    }
}

bool SchemaLua::unCarattere(const char* s, const char* p, const char* fineClasse) const {
    if (s >= fineTesto_) return false;
    const int c = static_cast<unsigned char>(*s);
    switch (*p) {
        case '.':
            return true;
        case Escape:
            return unaClasse(c, static_cast<unsigned char>(*(p + 1)));
        case '[':
            return inInsieme(c, p, fineClasse - 1);
        default:
            return static_cast<unsigned char>(*p) == c;
    }
}

int SchemaLua::indiceCattura(char indice) const {
    const int l = indice - '1';
    if (l < 0 || l >= livello_ || catture_[l].lunghezza == Aperta)
        throw ErroreSchema("indice di cattura %" + std::to_string(l + 1) + " non valido");
    return l;
}

const char* SchemaLua::confrontaDa(const char* s, const char* p) {
    if (++profondita_ > ProfonditaMassima) throw ErroreSchema("schema troppo complesso");
    passi();
    while (p != fineSchema_) {
        switch (*p) {
            case '(':
                s = carattere(p + 1) == ')' ? apriCattura(s, p + 2, Posizione) : apriCattura(s, p + 1, Aperta);
                break;
            case ')':
                s = chiudiCattura(s, p + 1);
                break;
            case '$':
                if (p + 1 != fineSchema_) goto qualsiasi;
                if (s != fineTesto_) s = nullptr;
                break;
            case Escape:
                switch (carattere(p + 1)) {
                    case 'b':
                        s = bilanciato(s, p + 2);
                        if (s) {
                            p += 4;
                            continue;
                        }
                        break;
                    case 'f': {
                        p += 2;
                        if (carattere(p) != '[') throw ErroreSchema("manca '[' dopo '%f' nello schema");
                        const char* fine = fineClasse(p);
                        const int prima = s == testo_ ? 0 : static_cast<unsigned char>(*(s - 1));
                        const int questo = s < fineTesto_ ? static_cast<unsigned char>(*s) : 0;
                        if (!inInsieme(prima, p, fine - 1) && inInsieme(questo, p, fine - 1)) {
                            p = fine;
                            continue;
                        }
                        s = nullptr;
                        break;
                    }
                    case '0':
                    case '1':
                    case '2':
                    case '3':
                    case '4':
                    case '5':
                    case '6':
                    case '7':
                    case '8':
                    case '9':
                        s = stessaCattura(s, *(p + 1));
                        if (s) {
                            p += 2;
                            continue;
                        }
                        break;
                    default:
                        goto qualsiasi;
                }
                break;
            default:
            qualsiasi : {
                const char* fine = fineClasse(p);
                const char quantita = carattere(fine);
                if (!unCarattere(s, p, fine)) {
                    if (quantita == '*' || quantita == '?' || quantita == '-') {
                        p = fine + 1;
                        continue;
                    }
                    s = nullptr;
                    break;
                }
                if (quantita == '?') {
                    if (const char* r = confrontaDa(s + 1, fine + 1)) {
                        s = r;
                        break;
                    }
                    p = fine + 1;
                    continue;
                }
                if (quantita == '+') s = ripetiMassimo(s + 1, p, fine);
                else if (quantita == '*') s = ripetiMassimo(s, p, fine);
                else if (quantita == '-') s = ripetiMinimo(s, p, fine);
                else {
                    ++s;
                    p = fine;
                    continue;
                }
                break;
            }
        }
        break;
    }
    --profondita_;
    return s;
}

const char* SchemaLua::ripetiMassimo(const char* s, const char* p, const char* fine) {
    std::ptrdiff_t i = 0;
    while (unCarattere(s + i, p, fine)) {
        ++i;
        passi();
    }
    for (; i >= 0; --i)
        if (const char* r = confrontaDa(s + i, fine + 1)) return r;
    return nullptr;
}

const char* SchemaLua::ripetiMinimo(const char* s, const char* p, const char* fine) {
    for (;;) {
        if (const char* r = confrontaDa(s, fine + 1)) return r;
        if (!unCarattere(s, p, fine)) return nullptr;
        ++s;
    }
}

const char* SchemaLua::apriCattura(const char* s, const char* p, std::ptrdiff_t tipo) {
    if (livello_ >= MaxCatture) throw ErroreSchema("troppe catture (al massimo 32)");
    catture_[livello_] = {s, tipo};
    ++livello_;
    const char* r = confrontaDa(s, p);
    if (!r) --livello_;
    return r;
}

const char* SchemaLua::chiudiCattura(const char* s, const char* p) {
    int l = livello_ - 1;
    while (l >= 0 && catture_[l].lunghezza != Aperta) --l;
    if (l < 0) throw ErroreSchema("cattura non valida nello schema (una ')' senza '(')");
    catture_[l].lunghezza = s - catture_[l].inizio;
    const char* r = confrontaDa(s, p);
    if (!r) catture_[l].lunghezza = Aperta;
    return r;
}

const char* SchemaLua::stessaCattura(const char* s, char indice) {
    const auto& c = catture_[indiceCattura(indice)];
    // A position capture matches nothing here, as in Lua.
    if (c.lunghezza < 0 || fineTesto_ - s < c.lunghezza) return nullptr;
    passi(c.lunghezza / 64);
    return std::memcmp(c.inizio, s, static_cast<std::size_t>(c.lunghezza)) == 0 ? s + c.lunghezza : nullptr;
}

const char* SchemaLua::bilanciato(const char* s, const char* p) {
    if (p >= fineSchema_ - 1) throw ErroreSchema("schema malformato (mancano i due caratteri di '%b')");
    if (s >= fineTesto_ || *s != *p) return nullptr;
    const char apre = *p;
    const char chiude = *(p + 1);
    int aperte = 1;
    while (++s < fineTesto_) {
        passi();
        if (*s == chiude) {
            if (--aperte == 0) return s + 1;
        } else if (*s == apre) {
            ++aperte;
        }
    }
    return nullptr;
}

bool SchemaLua::semplice(std::string_view schema) {
    return schema.find_first_of(std::string_view("^$*+?.([%-")) == std::string_view::npos;
}

std::optional<std::size_t> SchemaLua::trova(std::string_view testo, std::string_view parola, std::size_t da,
                                            Controllo& controllo) {
    if (parola.empty()) return da;
    if (parola.size() > testo.size() - da) return std::nullopt;
    const char* s = testo.data() + da;
    const char* ultimo = testo.data() + testo.size() - parola.size();  // the last place it can start
    long long fatti = 0;
    while (s <= ultimo) {
        const char* prossimo = static_cast<const char*>(std::memchr(s, parola[0], ultimo - s + 1));
        if (!prossimo) break;
        // The bytes skipped and the comparison are the work of this try.
        fatti += 1 + (prossimo - s + static_cast<std::ptrdiff_t>(parola.size())) / 64;
        if (fatti >= Passo) {
            if (!controllo.continua(fatti)) throw SchemaFermato{};
            fatti = 0;
        }
        if (std::memcmp(prossimo + 1, parola.data() + 1, parola.size() - 1) == 0)
            return static_cast<std::size_t>(prossimo - testo.data());
        s = prossimo + 1;
    }
    return std::nullopt;
}

}  // namespace quorvane
