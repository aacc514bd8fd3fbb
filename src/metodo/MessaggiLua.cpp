#include "metodo/MessaggiLua.h"

#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {

namespace {

// The forms of Lua's messages a method meets most, and how they read in Italian.
const std::vector<std::pair<std::regex, const char*>>& traduzioni() {
    static const std::vector<std::pair<std::regex, const char*>> tutte = {
        {std::regex("attempt to call a (\\w+) value"), "chiamata di un valore $1"},
        {std::regex("attempt to index a (\\w+) value"), "accesso a un campo di un valore $1"},
        {std::regex("attempt to perform arithmetic on a (\\w+) value"), "aritmetica su un valore $1"},
        {std::regex("attempt to concatenate a (\\w+) value"), "concatenazione di un valore $1"},
        {std::regex("attempt to compare (two )?(\\w+) (values )?with (\\w+)"), "confronto di $2 con $4"},
        {std::regex("attempt to compare two (\\w+) values"), "confronto di due valori $1"},
        {std::regex("attempt to get length of a (\\w+) value"), "lunghezza di un valore $1"},
        {std::regex("\\(global '"), "(globale '"},
        {std::regex("\\(local '"), "(locale '"},
        {std::regex("\\(field '"), "(campo '"},
        {std::regex("\\(upvalue '"), "(variabile esterna '"},
        {std::regex("\\(method '"), "(metodo '"},
        {std::regex("bad argument #(\\d+) to '([^']+)'"), "argomento n. $1 di '$2' errato"},
        {std::regex("\\((\\w+) expected, got (\\w+)\\)"), "(atteso $1, trovato $2)"},
        {std::regex("number has no integer representation"), "il numero non è intero"},
        {std::regex("'([^']+)' expected \\(to close '([^']+)' at line (\\d+)\\) near"),
         "atteso '$1' (per chiudere '$2' della riga $3) vicino a"},
        {std::regex("'([^']+)' expected near"), "atteso '$1' vicino a"},
        {std::regex("unexpected symbol near"), "simbolo inatteso vicino a"},
        {std::regex("unfinished string near"), "stringa non chiusa vicino a"},
        {std::regex("malformed number near"), "numero malformato vicino a"},
        {std::regex("stack overflow"), "troppe chiamate annidate (una ricorsione senza fine?)"},
        {std::regex("resulting string too large"), "stringa troppo lunga"},
    };
    return tutte;
}

}  // namespace

ErroreLua messaggioLua(std::string_view testo, int riga) {
    std::string motivo(testo);
    static const std::regex posizione("^metodo:(\\d+): ");
    std::smatch trovata;
    if (std::regex_search(motivo, trovata, posizione)) {
        riga = std::stoi(trovata[1]);
        motivo = trovata.suffix();
    }
    for (const auto& [forma, italiano] : traduzioni()) motivo = std::regex_replace(motivo, forma, italiano);
    return {motivo, riga};
}

}  // namespace quorvane
