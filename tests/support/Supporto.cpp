#include "support/Supporto.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace test {

std::filesystem::path storicoAtteso() {
    return QUORVANE_STORICO;
}

std::filesystem::path percorsoStorico() {
    const std::filesystem::path p = storicoAtteso();
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec) ? p : std::filesystem::path();
}

CartellaTemporanea::CartellaTemporanea() {
    static std::atomic<int> contatore{0};
    std::random_device rd;
    auto nome = "quorvane-test-" + std::to_string(rd()) + "-" + std::to_string(contatore++);
    percorso_ = std::filesystem::temp_directory_path() / nome;
    std::filesystem::create_directories(percorso_);
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::remove_all(percorso_, ec);
}

namespace {
// Windows has no setenv/unsetenv; there an empty value removes the variable.
void impostaVariabile(const std::string& nome, const std::optional<std::string>& valore) {
#ifdef _WIN32
    _putenv_s(nome.c_str(), valore ? valore->c_str() : "");
#else
    if (valore) ::setenv(nome.c_str(), valore->c_str(), 1);
    else ::unsetenv(nome.c_str());
#endif
}
}  // namespace

VariabileAmbiente::VariabileAmbiente(std::string nome, const std::string& valore) : nome_(std::move(nome)) {
    if (const char* v = std::getenv(nome_.c_str())) prima_ = v;
    impostaVariabile(nome_, valore);
}

VariabileAmbiente::~VariabileAmbiente() {
    impostaVariabile(nome_, prima_);
}

void scriviFile(const std::filesystem::path& percorso, const std::string& contenuto) {
    std::ofstream out(percorso, std::ios::binary);
    out << contenuto;
}

std::string leggiFile(const std::filesystem::path& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace test
