#!/usr/bin/env bash
# The setup program under Wine, as a player on Windows meets it: a silent install for a user whose
# name is not ASCII, the command line on the real archive giving the Linux program's output byte for
# byte (paths with a drive letter and backslashes, a CRLF file, an archive locked by another program),
# the program's start-up window (a screenshot in CARTELLA/schermate), then a silent uninstall that
# leaves the data folder. Run by scripts/prova-windows.sh inside Xvfb.
#   prova-installazione-windows.sh SETUP.exe LINUX-QUORVANE-CLI CARTELLA
set -euo pipefail
setup=$(realpath "$1") cli_linux=$(realpath "$2") cartella=$(realpath "$3")
storico=$(realpath -m "$(dirname "$0")/../../../shared/data/storico-lotto.txt")
[ -f "$storico" ] || { echo "installazione per Windows: archivio reale assente, prova saltata"; exit 0; }

export USER=Niccolò WINEPREFIX="$cartella/wine-utente"
mkdir -p "$WINEPREFIX" "$cartella/schermate"
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
# The dialog font as Wine maps it (Tahoma, from fonts-wine), which it loads only from the prefix.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" && ln -sf /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
unix() { winepath -u "$1"; }
utente='C:\users\Niccolò'
istdir="$utente\\AppData\\Local\\Programs\\Quorvane"
dati="$(unix "$utente\\AppData\\Roaming\\Quorvane")"
radice=$(mktemp -d)
trap 'wineserver -k || true; rm -rf "$radice"' EXIT
errore() { echo "installazione per Windows: $*"; exit 1; }

# A fresh user: no earlier installation, no data folder.
rm -rf "$(unix "$istdir")" "$dati" "$(unix "$utente\\Documenti Lotto")"
wine "$setup" /S /CurrentUser
for f in quorvane.exe quorvane-cli.exe Qt6Core.dll plugins\\platforms\\qwindows.dll \
         plugins\\sqldrivers\\qsqlite.dll translations\\qtbase_it.qm LICENSE.txt Disinstalla.exe; do
    [ -f "$(unix "$istdir\\$f")" ] || errore "manca $f"
done
for l in 'AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Quorvane.lnk' 'Desktop\Quorvane.lnk'; do
    [ -f "$(unix "$utente\\$l")" ] || errore "manca il collegamento $l"
done
chiave='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane'
wine reg query "$chiave" /v UninstallString | grep -q "Disinstalla.exe" || errore "non è tra le app installate"

cli() { wine "$istdir\\quorvane-cli.exe" "$@"; }
versione=$(cli --version | tr -d '\r')
[ "$versione" = "$("$cli_linux" --version)" ] || errore "versione $versione"

# The real archive imported on each system; the statistics equal byte for byte. On Windows the
# archive is given with a drive letter and backslashes, in a folder named with a space.
documenti="$utente\\Documenti Lotto"
mkdir -p "$(unix "$documenti")"
QUORVANE_DATI="$radice/dati" "$cli_linux" importa-storico "$storico" --archivio "$radice/archivio.db" >/dev/null
cli importa-storico "$(winepath -w "$storico")" --archivio "$documenti\\archivio.db" >/dev/null
for json in tsv --json; do
    QUORVANE_DATI="$radice/dati" "$cli_linux" --archivio "$radice/archivio.db" ${json/tsv/} statistiche >"$radice/linux$json"
    cli --archivio "$documenti\\archivio.db" ${json/tsv/} statistiche >"$radice/windows$json"
    cmp "$radice/linux$json" "$radice/windows$json" || errore "statistiche ($json) diverse da Linux"
done
# The official file with Windows line ends is read as the same draws.
sed 's/$/\r/' "$storico" >"$(unix "$documenti\\storico crlf.txt")"
cli --archivio "$documenti\\storico crlf.txt" statistiche >"$radice/crlf"
cmp "$radice/linuxtsv" "$radice/crlf" || errore "il file con righe CRLF dà altre statistiche"

# An archive held open by another program: a clear error, not a hang or a success.
x86_64-w64-mingw32-gcc -municode -o "$radice/blocca.exe" "$(dirname "$0")/blocca.c"
mkfifo "$radice/comando"
wine "$radice/blocca.exe" "$documenti\\archivio.db" <"$radice/comando" >"$radice/bloccato" &
bloccatore=$!
exec 4>"$radice/comando"
for _ in $(seq 100); do grep -q bloccato "$radice/bloccato" && break; sleep 0.2; done
grep -q bloccato "$radice/bloccato" || errore "l'archivio non si blocca"
esito=0
cli --archivio "$documenti\\archivio.db" statistiche >/dev/null 2>"$radice/messaggio" || esito=$?
exec 4>&-
wait $bloccatore
[ $esito -eq 1 ] && [ -s "$radice/messaggio" ] || errore "archivio bloccato: uscita $esito, $(cat "$radice/messaggio")"

# The program opens on its start-up window in the user's data folder.
wine "$istdir\\quorvane.exe" &
programma=$!
for _ in $(seq 150); do
    xwininfo -root -tree | grep -q '"Quorvane: Versione' && break
    sleep 0.2
done
sleep 1
import -window root "$cartella/schermate/avvio.png"
xwininfo -root -tree | grep -q '"Quorvane: Versione' || errore "la finestra di avvio non si è aperta"
[ -f "$dati/DbQuorvane.db" ] || errore "cartella dei dati non creata in $utente\\AppData\\Roaming\\Quorvane"
wine taskkill /f /im quorvane.exe >/dev/null 2>&1 || true
wait $programma || true

# The silent uninstaller finishes in the background: its files, links and key go, the data stay.
wine "$istdir\\Disinstalla.exe" /CurrentUser /S
for _ in $(seq 150); do [ -e "$(unix "$istdir\\quorvane.exe")" ] || break; sleep 0.2; done
[ ! -e "$(unix "$istdir")" ] || errore "resta $(ls "$(unix "$istdir")")"
[ ! -e "$(unix "$utente\\Desktop\\Quorvane.lnk")" ] || errore "resta il collegamento sul desktop"
! wine reg query "$chiave" >/dev/null 2>&1 || errore "resta tra le app installate"
[ -f "$dati/DbQuorvane.db" ] || errore "la disinstallazione ha tolto la cartella dei dati"
echo "installazione per Windows verificata"
