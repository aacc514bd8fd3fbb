#pragma once
// Shared helpers of the test programs: where the real archive lives, scratch folders.
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace test {

// Where the official historical file beside the repository is looked for.
std::filesystem::path storicoAtteso();
// That file, or empty when it is absent.
std::filesystem::path percorsoStorico();

// A fresh folder under the system's temporary folder, removed when the object dies.
class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    const std::filesystem::path& percorso() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

private:
    std::filesystem::path percorso_;
};

// Sets an environment variable for the life of the object, then puts back what was there.
class VariabileAmbiente {
public:
    VariabileAmbiente(std::string nome, const std::string& valore);
    ~VariabileAmbiente();
    VariabileAmbiente(const VariabileAmbiente&) = delete;
    VariabileAmbiente& operator=(const VariabileAmbiente&) = delete;

private:
    std::string nome_;
    std::optional<std::string> prima_;
};

void scriviFile(const std::filesystem::path& percorso, const std::string& contenuto);
std::string leggiFile(const std::filesystem::path& percorso);

}  // namespace test

// Skips the current test when the real archive is not beside the repository.
#define RICHIEDE_STORICO()                                                                \
    do {                                                                                  \
        if (test::percorsoStorico().empty())                                              \
            GTEST_SKIP() << "archivio reale assente: " << test::storicoAtteso().string(); \
    } while (0)
