#include "core/GrigliaTesto.h"

#include <cstdio>

namespace quorvane {

std::string_view senzaSpazi(std::string_view t) {
    const auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && spazio(t.front())) t.remove_prefix(1);
    while (!t.empty() && spazio(t.back())) t.remove_suffix(1);
    return t;
}

namespace {
// A cell's text in a TSV line: a tab, a line end or a terminal escape held by a stored text
// (a configuration's name, say) would break the line or reach the terminal, so each becomes a blank.
void aggiungiCella(std::string& out, std::string_view t) {
    for (char ch : t) {
        const auto u = static_cast<unsigned char>(ch);
        out += u < 0x20 || u == 0x7F ? ' ' : ch;
    }
}

}  // namespace

std::size_t sequenzaUtf8(std::string_view t) {
    const auto b = [&t](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    const unsigned char c = b(0);
    std::size_t n;
    unsigned char min = 0x80, max = 0xBF;  // bounds of the second byte
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) min = 0xA0;
        if (c == 0xED) max = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) min = 0x90;
        if (c == 0xF4) max = 0x8F;
    } else {
        return 0;
    }
    if (t.size() < n || b(1) < min || b(1) > max) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF) return 0;
    return n;
}

std::string grigliaTsv(const Griglia& g) {
    std::string out;
    const auto riga = [&](int r, bool intestazione) {
        bool primo = true;
        for (int c = 0; c < g.colonne(); ++c) {
            if (g.colonnaNascosta(c)) continue;
            if (!primo) out += '\t';
            primo = false;
            aggiungiCella(out, intestazione ? senzaSpazi(g.testo(r, c)) : std::string_view(g.testo(r, c)));
        }
        out += '\n';
    };
    if (g.righe() > 0) riga(0, true);
    for (int r = g.righeFisse(); r < g.righe(); ++r)
        if (!g.rigaNascosta(r)) riga(r, false);
    return out;
}

std::string stringaJson(std::string_view t) {
    std::string out;
    out.reserve(t.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < t.size();) {
        const char ch = t[i];
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 0x80) {
            // A byte of another encoding, or a character cut in two, would make the output no JSON.
            const std::size_t n = sequenzaUtf8(t.substr(i));
            if (n == 0) out += "\ufffd";  // U+FFFD, the replacement character
            else out.append(t.substr(i, n));
            i += n == 0 ? 1 : n;
            continue;
        }
        ++i;
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", u);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
    return out;
}

namespace {

void scriviColore(std::string& out, const std::optional<Colore>& c) {
    out += c ? std::to_string(*c) : "null";
}

void scriviCampo(std::string& out, const std::string& chiave, const ValoreExtra& valore) {
    out += stringaJson(chiave) + ':';
    if (const auto* s = std::get_if<std::string>(&valore)) {
        out += stringaJson(*s);
    } else if (const auto* n = std::get_if<long long>(&valore)) {
        out += std::to_string(*n);
    } else if (const auto* j = std::get_if<JsonGrezzo>(&valore)) {
        out += j->testo;
    } else {
        const auto& testi = std::get<std::vector<std::string>>(valore);
        out += '[';
        for (std::size_t i = 0; i < testi.size(); ++i) {
            if (i > 0) out += ',';
            out += stringaJson(testi[i]);
        }
        out += ']';
    }
}

}  // namespace

std::string oggettoJson(const CampiExtra& campi) {
    std::string out = "{";
    for (std::size_t i = 0; i < campi.size(); ++i) {
        if (i > 0) out += ',';
        scriviCampo(out, campi[i].first, campi[i].second);
    }
    out += '}';
    return out;
}

std::string grigliaJson(const Griglia& g, std::string_view tabella, const CampiExtra& extra) {
    std::string out = "{\"tabella\":" + stringaJson(tabella) + ",\"griglia\":" + stringaJson(g.nome()) +
                      ",\"intestazione\":[";
    bool primo = true;
    for (int c = 0; c < g.colonne(); ++c) {
        if (g.colonnaNascosta(c)) continue;
        if (!primo) out += ',';
        primo = false;
        out += stringaJson(g.righe() > 0 ? senzaSpazi(g.testo(0, c)) : std::string_view{});
    }
    out += "],\"colonne_nascoste\":[";
    primo = true;
    for (int c = 0; c < g.colonne(); ++c) {
        if (!g.colonnaNascosta(c)) continue;
        if (!primo) out += ',';
        primo = false;
        out += std::to_string(c);
    }
    out += "],\"righe\":[";
    for (int r = g.righeFisse(); r < g.righe(); ++r) {
        if (r > g.righeFisse()) out += ',';
        out += g.rigaNascosta(r) ? "{\"nascosta\":true,\"celle\":[" : "{\"nascosta\":false,\"celle\":[";
        primo = true;
        for (int c = 0; c < g.colonne(); ++c) {
            if (g.colonnaNascosta(c)) continue;
            if (!primo) out += ',';
            primo = false;
            const Cella& x = g.cella(r, c);
            out += "{\"testo\":" + stringaJson(x.testo) + ",\"sfondo\":";
            scriviColore(out, x.sfondo);
            out += ",\"colore\":";
            scriviColore(out, x.colore);
            out += x.grassetto ? ",\"grassetto\":true}" : ",\"grassetto\":false}";
        }
        out += "]}";
    }
    out += ']';
    for (const auto& [chiave, valore] : extra) {
        out += ',';
        scriviCampo(out, chiave, valore);
    }
    out += '}';
    return out;
}

}  // namespace quorvane
