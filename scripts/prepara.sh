#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds into ./build.
# Sourced by ./run and ./test.
set -euo pipefail

QUORVANE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUORVANE_BUILD="$QUORVANE_DIR/build"

pacchetti=(cmake ninja-build g++ pkg-config
           qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n
           qt6-qpa-plugins libgl-dev libarchive-dev liblua5.4-dev libgtest-dev libbenchmark-dev xvfb xauth ccache
           help2man librsvg2-bin desktop-file-utils appstream dpkg-dev clang libclang-rt-dev clang-format)
# The build for Windows (scripts/prova-windows.sh, ./pacchetto windows): cross compiler, zlib for the
# static libarchive, the icon, the setup program, Qt's Italian texts, Wine with its fonts inside Xvfb
# for the tests, a hand on the keyboard and mouse for the screenshots.
pacchetti_windows=(cmake ninja-build ccache g++-mingw-w64-x86-64-posix libz-mingw-w64-dev qt6-base-dev-tools
                   librsvg2-bin icoutils nsis qt6-translations-l10n wine wine64 fonts-wine xvfb xauth x11-utils
                   imagemagick xdotool)

# The packages given, or all those the build needs.
installa_mancanti() {
    local voluti=("$@") mancanti=()
    [ ${#voluti[@]} -eq 0 ] && voluti=("${pacchetti[@]}")
    for p in "${voluti[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
    done
    [ ${#mancanti[@]} -eq 0 ] && return 0
    echo "Installazione dei pacchetti mancanti: ${mancanti[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
}

# configura_da SOURCES FOLDER [cmake options]: a Release build folder of a CMake project.
configura_da() {
    local sorgenti=$1 cartella=$2
    shift 2
    local extra=("$@")
    # ccache with the source folder as base: clones and work trees of the project share one cache.
    if command -v ccache >/dev/null; then
        export CCACHE_BASEDIR="$QUORVANE_DIR"
        extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$sorgenti" -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=Release "${extra[@]}" >/dev/null
}

# configura FOLDER [cmake options]: a Release build folder of the project.
configura() { configura_da "$QUORVANE_DIR" "$@"; }

compila() {
    configura "$QUORVANE_BUILD" "$@"
    cmake --build "$QUORVANE_BUILD" -j "$(nproc)"
}

# configura_windows FOLDER KIT [cmake options]: a build folder of the project for 64-bit Windows
# against the kit of scripts/kit-windows.sh, with this system's Qt tools (moc, rcc, uic).
configura_windows() {
    local cartella=$1 kit=$2
    shift 2
    configura "$cartella" -DCMAKE_TOOLCHAIN_FILE="$QUORVANE_DIR/cmake/mingw-w64.cmake" \
        -DCMAKE_PREFIX_PATH="$kit" -DCMAKE_FIND_ROOT_PATH="$kit" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "$@"
}

# The fuzz targets, built with clang into build-fuzz; `ctest` there replays their corpora.
compila_fuzz() {
    configura "$QUORVANE_DIR/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DQUORVANE_FUZZ=ON -DQUORVANE_TESTS=OFF
    cmake --build "$QUORVANE_DIR/build-fuzz" --target fuzz -j "$(nproc)"
}
