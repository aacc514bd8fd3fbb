#!/usr/bin/env bash
# Cross-builds the engine and its tests for 64-bit Windows (MinGW-w64) and runs them under Wine,
# so that every run shows whether the engine still builds and holds there. Run by .ci/run.
set -euo pipefail
source "$(dirname "$0")/prepara.sh"

inizio=$SECONDS
CARTELLA="$QUORVANE_DIR/build-windows"
GTEST="$CARTELLA/googletest"

installa_mancanti cmake ninja-build ccache libgtest-dev g++-mingw-w64-x86-64-posix wine wine64
windows=-DCMAKE_TOOLCHAIN_FILE="$QUORVANE_DIR/cmake/mingw-w64.cmake"

# GoogleTest for Windows, built once from the sources that libgtest-dev ships.
if [ ! -f "$GTEST/installato" ]; then
    configura_da /usr/src/googletest "$GTEST/build" "$windows" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$GTEST"
    cmake --build "$GTEST/build" -j "$(nproc)" >/dev/null
    cmake --install "$GTEST/build" >/dev/null
    touch "$GTEST/installato"
fi

configura "$CARTELLA/motore" "$windows" -DQUORVANE_ENGINE_ONLY=ON -DGTest_DIR="$GTEST/lib/cmake/GTest"
cmake --build "$CARTELLA/motore" -j "$(nproc)" --target test_engine

# One Wine prefix kept between runs and one wineserver for the whole run.
export WINEPREFIX="$CARTELLA/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k || true' EXIT
# A new prefix is set up once, its chatter kept out of the summary.
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
# From the source folder: the real archive's path resolves on Wine's drive of the root folder.
cd "$QUORVANE_DIR"
wine "$CARTELLA/motore/tests/test_engine.exe" --gtest_brief=1
echo "Test del motore per Windows (Wine): $((SECONDS - inizio)) s"
