#include "core/GrigliaTesto.h"

#include <cstdio>

namespace quorvane {

std::string_view senzaSpazi(std::string_view t) {
    const auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && spazio(t.front())) t.remove_prefix(1);
    while (!t.empty() && spazio(t.back())) t.remove_suffix(1);
    return t;
}

std::string grigliaTsv(const Griglia& g) {
    std::string out;
    const auto riga = [&](int r, bool intestazione) {
        bool primo = true;
        for (int c = 0; c < g.colonne(); ++c) {
            if (g.colonnaNascosta(c)) continue;
            if (!primo) out += '\t';
            primo = false;
            if (intestazione)
                out += senzaSpazi(g.testo(r, c));
            else
                out += g.testo(r, c);
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
    for (char ch : t) {
        const auto u = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (u < 0x20) {
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

}  // namespace

std::string grigliaJson(const Griglia& g, const CampiExtra& extra) {
    std::string out = "{\"griglia\":" + stringaJson(g.nome()) + ",\"intestazione\":[";
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
        out += ',' + stringaJson(chiave) + ':';
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
    out += '}';
    return out;
}

}  // namespace quorvane
