#include "archive/Esportazione.h"

#include <cstdint>

namespace quorvane {

namespace {
constexpr int RuoteClassiche = NumRuote - 1;  // Bari..Venezia: the other programs know no Nazionale
constexpr std::size_t LunghezzaRigaZendravolta = 1 + 100 + 6 + 2 + 2 + 1 + 2;
constexpr std::size_t LunghezzaRigaNazionale = 5 + 1 + 10 + 2;

void dueCifre(std::string& s, int n) {
    s += static_cast<char>('0' + n / 10 % 10);
    s += static_cast<char>('0' + n % 10);
}

// "0#": at least two digits.
void almenoDueCifre(std::string& s, int n) {
    if (n < 10) s += '0';
    s += std::to_string(n);
}

void intero16(std::string& s, int n) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(n));
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void numeriClassici(std::string& s, const ArchivioEstrazioni& a, int e) {
    for (int r = 1; r <= RuoteClassiche; ++r)
        for (int p = 1; p <= NumPosizioni; ++p) dueCifre(s, a.Estratti(e, r, p));
}

template <class Riga>
std::string esporta(const ArchivioEstrazioni& a, std::size_t perRiga, const Avanzamento& avanzamento, Riga riga) {
    std::string s;
    s.reserve(perRiga * static_cast<std::size_t>(a.NumEstrazioni()));
    for (int e = 1; e <= a.NumEstrazioni(); ++e) {
        riga(s, e);
        if (avanzamento && e % 10 == 0) avanzamento(e, a.NumEstrazioni());
    }
    return s;
}
}  // namespace

std::string esportaDatiIII(const ArchivioEstrazioni& a, const Avanzamento& avanzamento) {
    return esporta(a, LunghezzaRecordDatiIII, avanzamento, [&a](std::string& s, int e) {
        const Data& d = a.DataEstrazione(e);
        intero16(s, d.giorno);
        intero16(s, d.mese);
        intero16(s, d.anno % 100);
        numeriClassici(s, a, e);
        intero16(s, a.ProgMese(e));
        intero16(s, a.ProgAnno(e));
    });
}

std::string esportaZendravolta(const ArchivioEstrazioni& a, const Avanzamento& avanzamento) {
    return esporta(a, LunghezzaRigaZendravolta, avanzamento, [&a](std::string& s, int e) {
        const Data& d = a.DataEstrazione(e);
        s += '"';
        numeriClassici(s, a, e);
        dueCifre(s, d.anno % 100);
        dueCifre(s, d.mese);
        dueCifre(s, d.giorno);
        almenoDueCifre(s, a.ProgMese(e));
        almenoDueCifre(s, a.ProgAnno(e));
        s += "\"\r\n";
    });
}

std::string esportaNazionale(const ArchivioEstrazioni& a, const Avanzamento& avanzamento) {
    return esporta(a, LunghezzaRigaNazionale, avanzamento, [&a](std::string& s, int e) {
        const int primo = a.Estratti(e, NumRuote, 1);
        if (primo < 1 || primo > 90) return;
        const std::string indice = std::to_string(e);
        if (indice.size() < 5) s.append(5 - indice.size(), '0');
        s += indice;
        s += '-';
        for (int p = 1; p <= NumPosizioni; ++p) dueCifre(s, a.Estratti(e, NumRuote, p));
        s += "\r\n";
    });
}

}  // namespace quorvane
