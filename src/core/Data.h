#pragma once
// Calendar dates of the draws and their text forms.
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct Data {
    int anno = 0;
    int mese = 0;    // 1..12
    int giorno = 0;  // 1..31

    auto operator<=>(const Data&) const = default;

    bool valida() const;
    // Days since 1970-01-01 (negative before), for calendar walks.
    long giorniDaEpoca() const;
    static Data daGiorniDaEpoca(long giorni);
    // 0 = Sunday .. 6 = Saturday.
    int giornoSettimana() const;

    // "GG/MM/AAAA": the form every window shows and compares.
    std::string testo() const;
    // "AAAA-MM-GG": the stored form, ordered as the calendar.
    std::string testoIso() const;

    static std::optional<Data> daTesto(std::string_view ggMmAaaa);
    static std::optional<Data> daTestoIso(std::string_view aaaaMmGg);
    // "AAAA/MM/GG", the form of the official historical file.
    static std::optional<Data> daTestoStorico(std::string_view aaaaMmGg);
};

}  // namespace quorvane
