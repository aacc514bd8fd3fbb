#!/usr/bin/env bash
# Installs the build into a scratch folder (DESTDIR), checks the desktop files with the
# desktop's own validators and runs the installed command line on a small official file.
set -euo pipefail
build=$1
radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT

DESTDIR="$radice" cmake --install "$build" --prefix /usr >/dev/null
dati="$radice/usr/share"
for f in bin/quorvane bin/quorvane-cli share/applications/quorvane.desktop share/doc/quorvane/copyright \
         share/icons/hicolor/scalable/apps/quorvane.svg share/icons/hicolor/48x48/apps/quorvane.png \
         share/metainfo/it.quorvane.Quorvane.metainfo.xml share/man/man1/quorvane-cli.1 \
         share/quorvane/metodi/ritardatario.lua; do
    [ -s "$radice/usr/$f" ] || { echo "manca $f"; exit 1; }
done
desktop-file-validate "$dati/applications/quorvane.desktop"
appstreamcli validate --no-net "$dati/metainfo/it.quorvane.Quorvane.metainfo.xml" >/dev/null

cli="$radice/usr/bin/quorvane-cli"
versione=$("$cli" --version)
[ "$versione" = "quorvane-cli $("$radice/usr/bin/quorvane" --version | cut -d' ' -f2)" ] || {
    echo "versioni diverse: $versione"; exit 1; }
# The manual page lists every command of the usage text.
manuale=$(sed 's/\\-/-/g' "$dati/man/man1/quorvane-cli.1")
for comando in $("$cli" --help | sed -n 's/^  \([a-z][a-z0-9-]*\) .*/\1/p'); do
    grep -q -- "$comando" <<<"$manuale" || { echo "manuale senza $comando"; exit 1; }
done
# ... and the tables of its JSON, from the README.
grep -q "JSON DELLA RIGA DI COMANDO" <<<"$manuale" && grep -q "estrazioni_modello" <<<"$manuale" || {
    echo "manuale senza le tabelle JSON"; exit 1; }
# ... and how to write a method, with the functions it can call.
grep -q "SCRIVERE UN METODO" <<<"$manuale" && grep -q "ritardo_ambo" <<<"$manuale" || {
    echo "manuale senza i metodi"; exit 1; }

printf '2024/01/02\tBA\t1\t2\t3\t4\t5\n2024/01/02\tMI\t6\t7\t8\t9\t10\n2024/01/04\tBA\t11\t12\t13\t14\t15\n' \
    > "$radice/storico.txt"
estrazioni=$(QUORVANE_DATI="$radice/dati" \
    "$cli" --archivio "$radice/storico.txt" estrazioni)
echo "$estrazioni" | grep -q "04/01/2024" || { echo "estrazioni non lette: $estrazioni"; exit 1; }
echo "installazione verificata"
