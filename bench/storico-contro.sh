#!/usr/bin/env bash
# The heavy historical tests of quorvane-cli on the real archive, timed as whole processes
# against the same commands built from an earlier commit. The two programs run in turn (new,
# earlier, new, earlier, ...), so that a machine that slows down in the middle slows both; each
# case prints the median wall time of both and their ratio.
#
#   bench/storico-contro.sh COMMIT [RUNS]     e.g. bench/storico-contro.sh main~5 5
#
# QUORVANE_STORICO points at another copy of the real archive.
set -euo pipefail

riferimento=${1:?"indicare il commit di confronto, per esempio main~5"}
volte=${2:-5}
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/prepara.sh
archivio=${QUORVANE_STORICO:-$QUORVANE_DIR/../shared/data/storico-lotto.txt}
[ -f "$archivio" ] || { echo "Archivio reale assente: $archivio" >&2; exit 1; }

# The earlier program, built in a work tree of its own that is removed at the end.
prima=$(mktemp -d)
trap 'git worktree remove --force "$prima/sorgenti" >/dev/null 2>&1 || true; rm -rf "$prima"' EXIT
git worktree add --detach "$prima/sorgenti" "$riferimento" >/dev/null
configura_da "$prima/sorgenti" "$prima/build"
cmake --build "$prima/build" --target quorvane-cli >/dev/null
configura "$QUORVANE_BUILD"
cmake --build "$QUORVANE_BUILD" --target quorvane-cli >/dev/null

# Milliseconds of one run.
secondi() {
    local inizio fine
    inizio=$(date +%s%N)
    "$@" >/dev/null
    fine=$(date +%s%N)
    echo $(((fine - inizio) / 1000000))
}
mediana() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

casi=("--mensile 1 --presenze 200 --metodo ciclo"
      "--mensile 1 --presenze 200 --metodo ciclo --dal 1"
      "--mensile 1 --confronta presenze=50,100,150,200 --confronta qn=2,3,4 --confronta colpi=6,12 --prova-dal 5659"
      "--strategia ritardatario --dal 1"
      "--strategia ambo-ritardatario --dal 1"
      "--strategia frequenti --quanti 2 --dal 1"
      "--strategia fissi --numeri 1,2 --dal 1")
printf "%-104s %9s %9s %9s\n" "verifica-storica" "ms" "ms prima" "rapporto"
for caso in "${casi[@]}"; do
    read -ra opzioni <<<"$caso"
    nuovi=() vecchi=()
    for ((i = 0; i < volte; ++i)); do
        nuovi+=("$(secondi "$QUORVANE_BUILD/quorvane-cli" --archivio "$archivio" --json verifica-storica "${opzioni[@]}")")
        vecchi+=("$(secondi "$prima/build/quorvane-cli" --archivio "$archivio" --json verifica-storica "${opzioni[@]}")")
    done
    nuovo=$(mediana "${nuovi[@]}")
    vecchio=$(mediana "${vecchi[@]}")
    printf "%-104s %9s %9s %9s\n" "$caso" "$nuovo" "$vecchio" "$(awk -v a="$nuovo" -v b="$vecchio" 'BEGIN { printf "%.2f", a / b }')"
done
