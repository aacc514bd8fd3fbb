#include "core/Data.h"

#include <cstdio>

namespace quorvane {

namespace {
bool bisestile(int anno) {
    return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
}

int giorniDelMese(int anno, int mese) {
    static constexpr int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mese == 2 && bisestile(anno) ? 29 : giorni[mese - 1];
}

// Reads exactly `cifre` digits at `inizio`.
std::optional<int> cifreA(std::string_view t, std::size_t inizio, std::size_t cifre) {
    int v = 0;
    for (std::size_t i = inizio; i < inizio + cifre; ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        v = v * 10 + (t[i] - '0');
    }
    return v;
}

std::optional<Data> componi(std::optional<int> a, std::optional<int> m, std::optional<int> g) {
    if (!a || !m || !g) return std::nullopt;
    Data d{*a, *m, *g};
    if (!d.valida()) return std::nullopt;
    return d;
}

// Year-first forms "AAAA?MM?GG" with a given separator.
std::optional<Data> annoPrima(std::string_view t, char separatore) {
    if (t.size() != 10 || t[4] != separatore || t[7] != separatore) return std::nullopt;
    return componi(cifreA(t, 0, 4), cifreA(t, 5, 2), cifreA(t, 8, 2));
}
}  // namespace

bool Data::valida() const {
    return anno >= 1 && anno <= 9999 && mese >= 1 && mese <= 12 && giorno >= 1 && giorno <= giorniDelMese(anno, mese);
}

// Howard Hinnant's days-from-civil algorithm.
long Data::giorniDaEpoca() const {
    long y = anno - (mese <= 2 ? 1 : 0);
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153L * (mese + (mese > 2 ? -3 : 9)) + 2) / 5 + giorno - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Data Data::daGiorniDaEpoca(long z) {
    z += 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    int g = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    int a = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return Data{a, m, g};
}

int Data::giornoSettimana() const {
    // 1970-01-01 was a Thursday.
    return static_cast<int>((giorniDaEpoca() % 7 + 11) % 7);
}

std::string Data::testo() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", giorno, mese, anno);
    return buf;
}

std::string Data::testoIso() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", anno, mese, giorno);
    return buf;
}

std::optional<Data> Data::daTesto(std::string_view t) {
    if (t.size() != 10 || t[2] != '/' || t[5] != '/') return std::nullopt;
    return componi(cifreA(t, 6, 4), cifreA(t, 3, 2), cifreA(t, 0, 2));
}

std::optional<Data> Data::daTestoIso(std::string_view t) {
    return annoPrima(t, '-');
}

std::optional<Data> Data::daTestoStorico(std::string_view t) {
    return annoPrima(t, '/');
}

}  // namespace quorvane
