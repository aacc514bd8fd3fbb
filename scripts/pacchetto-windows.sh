#!/usr/bin/env bash
# ./pacchetto windows: quorvane.exe and quorvane-cli.exe cross-built against the Windows kit, with
# the DLLs and Qt plugins they load, and the setup program
# build-pacchetto-windows/Quorvane-VERSIONE-setup.exe made with NSIS.
set -euo pipefail
source "$(dirname "$0")/prepara.sh"
installa_mancanti "${pacchetti_windows[@]}"

KIT=$("$(dirname "$0")/kit-windows.sh")
BUILD="$QUORVANE_DIR/build-pacchetto-windows"
FILE="$BUILD/installazione"
MINGW=x86_64-w64-mingw32

configura_windows "$BUILD" "$KIT" -DQUORVANE_TESTS=OFF
cmake --build "$BUILD" -j "$(nproc)" --target quorvane quorvane-cli
versione=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")

rm -rf "$FILE"
mkdir -p "$FILE"
cp "$BUILD/quorvane.exe" "$BUILD/quorvane-cli.exe" "$FILE/"
# The plugins that Qt's modules load at run time, which no import table names: the Windows
# platform (Gui), the native style (Widgets), SQLite (Sql), Schannel for HTTPS (Network).
for plugin in platforms/qwindows styles/qwindowsvistastyle sqldrivers/qsqlite tls/qschannelbackend; do
    mkdir -p "$FILE/plugins/$(dirname $plugin)"
    cp "$KIT/plugins/$plugin.dll" "$FILE/plugins/$plugin.dll"
done

# Every DLL that the programs and the plugins import, followed through the DLLs found, from the
# kit; the others must be Windows's own: an API set, or a DLL MinGW has an import library for.
declare -A visti=()
raccogli() {
    local dll minuscolo
    for dll in $($MINGW-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        [ -n "${visti[$dll]:-}" ] && continue
        visti[$dll]=1
        minuscolo=${dll,,}
        if [ -f "$KIT/bin/$dll" ]; then
            cp "$KIT/bin/$dll" "$FILE/"
            raccogli "$KIT/bin/$dll"
        elif [[ $minuscolo != api-ms-win-* ]] && [ ! -f "/usr/$MINGW/lib/lib${minuscolo%.*}.a" ]; then
            echo "$1 importa $dll, che non è nel kit né in Windows" >&2
            exit 1
        fi
    done
}
while read -r programma; do raccogli "$programma"; done < <(find "$FILE" -name '*.exe' -o -name '*.dll' | sort)

# Qt finds its plugins and Italian texts beside the programs.
printf '[Paths]\nPrefix = .\n' >"$FILE/qt.conf"
mkdir -p "$FILE/translations" "$FILE/licenze"
cp /usr/share/qt6/translations/qtbase_it.qm "$FILE/translations/"
# The licences: the program's, and those of the libraries shipped with it, as Debian states them.
cp "$QUORVANE_DIR/LICENSE" "$FILE/LICENSE.txt"
cp /usr/share/common-licenses/LGPL-3 "$FILE/licenze/LGPL-3.txt"
for pacchetto in qt6-base-dev libsqlite3-0 libarchive13 libz-mingw-w64 gcc-mingw-w64-base mingw-w64-common; do
    cp "/usr/share/doc/$pacchetto/copyright" "$FILE/licenze/$pacchetto.txt"
done

# The lists of files for the setup program, made from the folder so that they never differ.
(
    cd "$FILE"
    find . -type d ! -name . | sort | sed 's|^\./||; s|/|\\|g' | while read -r d; do echo "CreateDirectory \"\$INSTDIR\\$d\""; done
    find . -type f | sort | sed 's|^\./||' | while read -r f; do
        echo "File \"/oname=$(tr / '\\' <<<"$f")\" \"$FILE/$f\""
    done
) >"$BUILD/installa.nsh"
(
    cd "$FILE"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g' | while read -r f; do echo "Delete \"\$INSTDIR\\$f\""; done
    find . -type d ! -name . | sort -r | sed 's|^\./||; s|/|\\|g' | while read -r d; do echo "RMDir \"\$INSTDIR\\$d\""; done
) >"$BUILD/rimuovi.nsh"

setup="$BUILD/Quorvane-$versione-setup.exe"
makensis -V2 -DVERSIONE="$versione" -DICONA="$BUILD/windows/quorvane.ico" -DLICENZA="$QUORVANE_DIR/LICENSE" \
    -DELENCHI="$BUILD" -DDIMENSIONE_KB="$(du -sk "$FILE" | cut -f1)" -DUSCITA="$setup" \
    "$QUORVANE_DIR/resources/windows/quorvane.nsi"
ls -1 "$setup"
