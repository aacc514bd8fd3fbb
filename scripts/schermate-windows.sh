#!/usr/bin/env bash
# Screenshots of quorvane.exe under Wine, as a player on Windows sees it, to be looked at: the
# start-up window, the main window after PROCEDI on the real archive, the statistics with their
# chart. Uses the programs that scripts/prova-windows.sh built in build-windows/programma.
#   scripts/schermate-windows.sh [LARGHEZZAxALTEZZA [DPI]]
# 1280x1024 and 96 dpi (100%) unless given; Windows' 125% is 120 dpi, 150% is 144. The images go
# to build-windows/schermate/LARGHEZZAxALTEZZA-DPI-{avvio,principale,statistiche}.png.
set -euo pipefail
source "$(dirname "$0")/prepara.sh"
installa_mancanti "${pacchetti_windows[@]}"
schermo=${1:-1280x1024} dpi=${2:-96}
if [ -z "${QUORVANE_XVFB:-}" ]; then
    QUORVANE_XVFB=1 exec xvfb-run -a -s "-screen 0 ${schermo}x24" "$0" "$@"
fi

storico=$(realpath -m "$QUORVANE_DIR/../shared/data/storico-lotto.txt")
PROGRAMMA="$QUORVANE_DIR/build-windows/programma"
[ -f "$storico" ] || { echo "Manca l'archivio reale $storico"; exit 1; }
[ -f "$PROGRAMMA/qt.conf" ] || { echo "Manca $PROGRAMMA: prima scripts/prova-windows.sh"; exit 1; }
KIT=$("$QUORVANE_DIR/scripts/kit-windows.sh" --cerca)
uscita="$QUORVANE_DIR/build-windows/schermate/$schermo-$dpi"
mkdir -p "$(dirname "$uscita")"

# A prefix of its own, with Windows' dialog font and the text size asked for.
export WINEPREFIX="$QUORVANE_DIR/build-windows/wine-schermate" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" && ln -sf /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
trap 'wineserver -k || true' EXIT
export WINEPATH
WINEPATH=$(winepath -w "$KIT/bin")

# A first start in a data folder of its own, the real archive imported beside it.
export QUORVANE_DATI='C:\Quorvane-schermate'
rm -rf "$WINEPREFIX/drive_c/Quorvane-schermate"
mkdir -p "$WINEPREFIX/drive_c/Quorvane-schermate"
archivio='C:\Quorvane-schermate\ArchivioLotto.db'
wine "$PROGRAMMA/quorvane-cli.exe" importa-storico "$(winepath -w "$storico")" --archivio "$archivio" >/dev/null

# Waits for windows whose title matches (at least `quante` of them).
aspetta() {
    local quante=${2:-1}
    for _ in $(seq 100); do
        [ "$(xwininfo -root -tree | grep -cE "\"$1\": \(\"quorvane")" -ge "$quante" ] && { sleep 3; return; }
        sleep 0.2
    done
    echo "La finestra \"$1\" non si è aperta"
    exit 1
}
# A click at thousandths of the largest window with that title: the layout is the same at every
# text size, only scaled.
clicca() {
    local g
    g=$(xwininfo -root -tree | grep "\"$1\": (\"quorvane" | grep -o '[0-9]*x[0-9]*+-*[0-9]*+-*[0-9]*' |
        sort -t x -k1,1nr | head -1)
    local w=${g%%x*} resto=${g#*x}
    local h=${resto%%+*}
    resto=${resto#*+}
    local x=${resto%%+*} y=${resto#*+}
    xdotool mousemove $((x + w * $2 / 1000)) $((y + h * $3 / 1000)) click 1
}

wine "$PROGRAMMA/quorvane.exe" &
aspetta "Quorvane: Versione [0-9.]+"
import -window root "$uscita-avvio.png"
xdotool key Tab space  # SELEZIONE ARCHIVIO, after PROCEDI
aspetta "Selezione archivio"
xdotool type --delay 20 "$archivio"
xdotool key Return
sleep 2
xdotool key shift+Tab space  # PROCEDI
aspetta Quorvane 2           # the main window and the question about the check at start-up
xdotool key Escape
sleep 3
import -window root "$uscita-principale.png"
clicca Quorvane 873 430  # Statistiche
aspetta Statistiche
import -window root "$uscita-statistiche.png"
wine taskkill /f /im quorvane.exe >/dev/null 2>&1 || true
wait
echo "Schermate in $(dirname "$uscita")"
