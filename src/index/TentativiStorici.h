#pragma once
// The tries a player made on one period in a session: each different strategy, method, option or
// parameter value run on the same draws counts once, so that a verdict can say how many were
// looked at before it. The best of many tries looks good by chance alone.
#include <map>
#include <set>
#include <string>
#include <utility>

#include "index/VerificaStorica.h"

namespace quorvane {

class TentativiStorici {
public:
    // Counts the run (again only when it differs from every earlier one on its period) and
    // returns how many different runs its period has had.
    int registra(const OpzioniStoriche& opzioni);

private:
    std::map<std::pair<int, int>, std::set<std::string>> firme_;  // by (dal, al)
};

// What tells one try from another: everything that chooses the plays and judges them.
std::string firmaTentativo(const OpzioniStoriche& opzioni);

}  // namespace quorvane
