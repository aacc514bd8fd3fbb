#!/usr/bin/env bash
# The libraries for building Quorvane for 64-bit Windows: Qt base, SQLite, libarchive, Lua and
# GoogleTest, cross-built with MinGW-w64 from Debian's own source packages into one prefix.
#
#   scripts/kit-windows.sh          prints the kit's folder, building what is missing (one to two hours)
#   scripts/kit-windows.sh --cerca  prints the kit's folder, or the reason why there is none (exit 1)
#
# A ready kit is taken from $QUORVANE_KIT_WINDOWS, from shared/kit-windows beside the repository, or
# from the cache; a kit is built into $QUORVANE_KIT_WINDOWS (default ~/.cache/quorvane/kit-windows),
# one stamp per piece, so a second run builds nothing.
set -euo pipefail
source "$(dirname "$0")/prepara.sh"

CACHE_KIT="${XDG_CACHE_HOME:-$HOME/.cache}/quorvane/kit-windows"
MINGW=x86_64-w64-mingw32
VERSIONE_QT=6.4.2

# What a usable kit holds, one file per piece.
completo() {
    local kit=$1 f
    for f in lib/cmake/Qt6/Qt6Config.cmake bin/Qt6Widgets.dll plugins/platforms/qwindows.dll \
             plugins/sqldrivers/qsqlite.dll lib/libsqlite3.a lib/libarchive.a lib/liblua5.4.a \
             lib/libgtest.a bin/libstdc++-6.dll; do
        [ -f "$kit/$f" ] || return 1
    done
}

cerca() {
    local candidati=() k
    [ -n "${QUORVANE_KIT_WINDOWS:-}" ] && candidati+=("$QUORVANE_KIT_WINDOWS")
    candidati+=("$(dirname "$QUORVANE_DIR")/shared/kit-windows" "$CACHE_KIT")
    for k in "${candidati[@]}"; do
        if completo "$k"; then
            (cd "$k" && pwd)
            return 0
        fi
    done
    echo "nessun kit completo in ${candidati[*]} (si costruisce con scripts/kit-windows.sh, una o due ore)" >&2
    return 1
}

if [ "${1:-}" = "--cerca" ]; then
    cerca
    exit
fi
if cerca 2>/dev/null; then exit 0; fi
# Standard output carries only the kit's folder; the build's messages go to standard error.
exec 3>&1 1>&2

KIT="${QUORVANE_KIT_WINDOWS:-$CACHE_KIT}"
SORGENTI="$KIT.sorgenti"
TIMBRI="$KIT/.timbri"
mkdir -p "$KIT" "$SORGENTI" "$TIMBRI"
KIT=$(cd "$KIT" && pwd)
TOOLCHAIN="$QUORVANE_DIR/cmake/mingw-w64.cmake"

installa_mancanti build-essential cmake ninja-build dpkg-dev tcl autoconf automake libtool g++-mingw-w64-x86-64-posix \
    libz-mingw-w64-dev libgtest-dev qt6-base-dev-tools qt6-base-dev

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# apt-get source needs deb-src entries for the suites the binary packages come from.
if ! grep -rqs "deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    $sudo apt-get update -qq
fi

# sorgente PACKAGE: the unpacked Debian source folder of PACKAGE, fetched once.
sorgente() {
    local cartella
    cartella=$(find "$SORGENTI" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -n 1)
    if [ -z "$cartella" ]; then
        (cd "$SORGENTI" && apt-get source -qq "$1" >/dev/null)
        cartella=$(find "$SORGENTI" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -n 1)
    fi
    echo "$cartella"
}

# pezzo NAME FUNCTION: builds a piece once, with its time.
pezzo() {
    local nome=$1 inizio=$SECONDS
    [ -f "$TIMBRI/$nome" ] && return 0
    echo "Kit per Windows: $nome..."
    "$2"
    touch "$TIMBRI/$nome"
    echo "Kit per Windows: $nome in $((SECONDS - inizio)) s"
}

sqlite() {
    local s
    s=$(sorgente sqlite3)
    # The amalgamation, made on this machine; then compiled for Windows as one static library.
    (cd "$s" && ./configure --disable-tcl >/dev/null && make sqlite3.c >/dev/null)
    mkdir -p "$KIT/lib" "$KIT/include"
    $MINGW-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_UNLOCK_NOTIFY \
        -DSQLITE_SECURE_DELETE -c "$s/sqlite3.c" -o "$s/sqlite3.o"
    rm -f "$KIT/lib/libsqlite3.a"
    $MINGW-ar rcs "$KIT/lib/libsqlite3.a" "$s/sqlite3.o"
    cp "$s/sqlite3.h" "$s/sqlite3ext.h" "$KIT/include/"
}

libarchive() {
    local s
    s=$(sorgente libarchive)
    # Its CMake build stops CMake 3.25 at the ZLIB_WINAPI check when cross-compiling: autotools,
    # regenerated since Debian's patches touch configure.ac.
    (cd "$s" && autoreconf -fi >/dev/null 2>&1 && ./configure -q --host=$MINGW CC=$MINGW-gcc-posix --prefix="$KIT" --enable-static --disable-shared \
        --disable-bsdtar --disable-bsdcat --disable-bsdcpio --disable-acl --disable-xattr \
        --without-bz2lib --without-libb2 --without-iconv --without-lz4 --without-zstd --without-lzma \
        --without-cng --without-mbedtls --without-nettle --without-openssl --without-xml2 --without-expat &&
        make -j "$(nproc)" >/dev/null && make install >/dev/null)
}

lua() {
    local s f
    s=$(sorgente lua5.4)
    mkdir -p "$s/windows" "$KIT/lib" "$KIT/include/lua5.4"
    for f in "$s"/src/*.c; do
        case $(basename "$f") in lua.c | luac.c) continue ;; esac
        $MINGW-gcc-posix -O2 -std=gnu99 -DLUA_COMPAT_5_3 -c "$f" -o "$s/windows/$(basename "$f" .c).o"
    done
    rm -f "$KIT/lib/liblua5.4.a"
    $MINGW-ar rcs "$KIT/lib/liblua5.4.a" "$s"/windows/*.o
    cp "$s"/src/{lua.h,luaconf.h,lualib.h,lauxlib.h,lua.hpp} "$KIT/include/lua5.4/"
}

googletest() {
    cmake -S /usr/src/googletest -B "$SORGENTI/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$KIT" >/dev/null
    cmake --build "$SORGENTI/googletest" >/dev/null
    cmake --install "$SORGENTI/googletest" >/dev/null
}

qt() {
    local s
    s=$(sorgente qt6-base)
    # Host tools from Debian's qt6-base-dev-tools (the same version); Qt's own copies of the
    # libraries a Windows system lacks; the SQLite driver on the kit's SQLite; no tablets (Debian's
    # source has no wintab.h).
    cmake -G Ninja -S "$s" -B "$SORGENTI/qt6-base-build" \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$KIT" -DCMAKE_BUILD_TYPE=Release \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no \
        -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF \
        -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON \
        -DSQLite3_INCLUDE_DIR="$KIT/include" -DSQLite3_LIBRARY="$KIT/lib/libsqlite3.a" \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_openssl=OFF -DFEATURE_schannel=ON -DFEATURE_tabletevent=OFF >/dev/null
    cmake --build "$SORGENTI/qt6-base-build" -j "$(nproc)"
    cmake --install "$SORGENTI/qt6-base-build" >/dev/null
    # The MinGW runtime the DLLs were built with, shipped beside them. The compiler names its own
    # files: its version folder ("12-posix") is not its -dumpversion plus a suffix.
    local dll
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        cp "$($MINGW-g++-posix -print-file-name=$dll)" "$KIT/bin/"
    done
    find "$KIT/bin" "$KIT/plugins" -name '*.dll' -exec $MINGW-strip --strip-unneeded {} +
}

# Qt for Windows is built with this system's Qt tools: the two versions must be the same.
case $(dpkg-query -W -f='${Version}' qt6-base-dev-tools) in
    "$VERSIONE_QT"*) ;;
    *) echo "gli strumenti di Qt di questo sistema non sono la versione $VERSIONE_QT" >&2; exit 1 ;;
esac
pezzo sqlite sqlite
pezzo libarchive libarchive
pezzo lua lua
pezzo googletest googletest
pezzo qt qt
completo "$KIT"
echo "$KIT" >&3
