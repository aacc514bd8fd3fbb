#pragma once
// The saved configurations of the program database (Configurazioni, ConfigNumeri).
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "index/Configurazione.h"

namespace quorvane {

// Gives the program database the two tables of the configurations.
void registraTabelleConfigurazioni();

// Stores a configuration with its forecasts in one transaction: whole or not at all. The
// name must be 1..60 characters, without control characters, and unlike every stored name,
// whatever the letter case.
// The new IdConfig, or nullopt with the reason, and `nomePresente` set when the reason is the
// name alone (the one failure the program's message blames).
std::optional<long long> salvaConfigurazione(QSqlDatabase& db, const Configurazione& configurazione,
                                             const std::vector<PrevisioneSalvata>& righe, QString* errore,
                                             bool* nomePresente = nullptr);

// Every configuration, sorted by name.
std::optional<std::vector<Configurazione>> leggiConfigurazioni(QSqlDatabase& db, QString* errore);

// The forecasts of one configuration, by row number.
std::optional<std::vector<PrevisioneSalvata>> leggiPrevisioniSalvate(QSqlDatabase& db, long long idConfig,
                                                                     QString* errore);

enum class EsitoEliminazione { Eliminata, Inesistente, Errore };

// Deletes a configuration together with its forecasts.
EsitoEliminazione eliminaConfigurazione(QSqlDatabase& db, long long idConfig, QString* errore);

}  // namespace quorvane
