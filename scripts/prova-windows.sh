#!/usr/bin/env bash
# Builds Quorvane for 64-bit Windows (MinGW-w64) and tests it under Wine, so that every run shows
# whether the program still builds and holds there. With the Windows kit (scripts/kit-windows.sh
# --cerca): every program and test built, the engine, method, storage, command line and window
# tests run, then the setup program made, installed and tried
# (tests/installazione/prova-installazione-windows.sh).
# Without it: the engine tests only, and one line says why. Run by .ci/run; it never builds the kit.
set -euo pipefail
source "$(dirname "$0")/prepara.sh"
installa_mancanti "${pacchetti_windows[@]}" libgtest-dev

# Wine needs an X display even for hidden windows, and Qt's windows platform is the one that ends
# cleanly under Wine: the whole run happens inside one Xvfb.
if [ -z "${QUORVANE_XVFB:-}" ]; then
    QUORVANE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

inizio=$SECONDS
CARTELLA="$QUORVANE_DIR/build-windows"
windows=-DCMAKE_TOOLCHAIN_FILE="$QUORVANE_DIR/cmake/mingw-w64.cmake"
mkdir -p "$CARTELLA"

# One Wine prefix kept between runs and one wineserver for the whole run.
# No menu entries or desktop files of the programs installed under Wine on this system.
export WINEPREFIX="$CARTELLA/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k || true' EXIT
# A new prefix is set up once, its chatter kept out of the summary.
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
# Wine maps Windows' dialog font to Tahoma, which it ships apart (fonts-wine) and loads only from
# the prefix's Fonts folder; without it text falls on whatever font is left.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" && ln -sf /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
# From the source folder: the real archive's path resolves on Wine's drive of the root folder.
cd "$QUORVANE_DIR"

if ! KIT=$("$QUORVANE_DIR/scripts/kit-windows.sh" --cerca 2>&1); then
    echo "Windows: solo i test del motore (senza finestre, archivi né installazione): $KIT"
    # GoogleTest for Windows, built once from the sources that libgtest-dev ships.
    GTEST="$CARTELLA/googletest"
    if [ ! -f "$GTEST/installato" ]; then
        configura_da /usr/src/googletest "$GTEST/build" "$windows" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$GTEST"
        cmake --build "$GTEST/build" -j "$(nproc)" >/dev/null
        cmake --install "$GTEST/build" >/dev/null
        touch "$GTEST/installato"
    fi
    configura "$CARTELLA/motore" "$windows" -DQUORVANE_ENGINE_ONLY=ON -DGTest_DIR="$GTEST/lib/cmake/GTest"
    cmake --build "$CARTELLA/motore" -j "$(nproc)" --target test_engine
    wine "$CARTELLA/motore/tests/test_engine.exe" --gtest_brief=1
    echo "Test del motore per Windows (Wine): $((SECONDS - inizio)) s"
    exit 0
fi

PROGRAMMA="$CARTELLA/programma"
configura_windows "$PROGRAMMA" "$KIT"
cmake --build "$PROGRAMMA" -j "$(nproc)"
compilato=$SECONDS

# The Qt DLLs from the kit; its plugins and Qt's Italian texts through a qt.conf beside each
# folder of programs, as the installed program has them beside itself.
export WINEPATH
WINEPATH=$(winepath -w "$KIT/bin")
mkdir -p "$PROGRAMMA/translations"
cp /usr/share/qt6/translations/qtbase_it.qm "$PROGRAMMA/translations/"
for c in "$PROGRAMMA" "$PROGRAMMA/tests"; do
    printf '[Paths]\nPrefix = %s\nPlugins = %s\nTranslations = %s\n' "$(winepath -w "$KIT" | tr '\\' /)" \
        "$(winepath -w "$KIT/plugins" | tr '\\' /)" "$(winepath -w "$PROGRAMMA/translations" | tr '\\' /)" \
        >"$c/qt.conf"
done
# Wine hands no QT_* variable of Linux to Windows programs; WINEQT_X reaches them as QT_X.
export WINEQT_QPA_PLATFORM=windows
# Left out under Wine: the print dialog is Windows' own, which Qt cannot answer from a test (and
# which under Wine, without a printer, does not open at all); the test's own https site needs
# Schannel on the server's side, where under Wine it closes every connection (the program's side,
# the client, is what runs, and was tried against another https server).
esclusi=VistaGriglia.StampaAnnullataNonFaNulla:Scarico.UnCertificatoNonFidatoSiDiceInItaliano
for prova in test_engine test_metodo test_storage test_ui; do
    wine "$PROGRAMMA/tests/$prova.exe" --gtest_brief=1 --gtest_filter="-$esclusi"
done
provato=$SECONDS

"$QUORVANE_DIR/scripts/pacchetto-windows.sh" >/dev/null
# The Linux command line, whose output the installed Windows one must equal.
configura "$QUORVANE_BUILD"
cmake --build "$QUORVANE_BUILD" --target quorvane-cli >/dev/null
bash "$QUORVANE_DIR/tests/installazione/prova-installazione-windows.sh" \
    "$(ls "$QUORVANE_DIR"/build-pacchetto-windows/Quorvane-*-setup.exe)" "$QUORVANE_BUILD/quorvane-cli" "$CARTELLA"
echo "Windows (Wine): compilazione $((compilato - inizio)) s, test $((provato - compilato)) s," \
    "programma di installazione $((SECONDS - provato)) s"
