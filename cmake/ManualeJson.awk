# Turns the README's sections "JSON della riga di comando" and "Scrivere un metodo" into a
# help2man include file, so that the manual page lists the same tables, keys and functions as the
# README, which a test checks. Handles what the sections use: paragraphs, "###" headings, nested
# "- " lists, `code`, fenced code blocks.

function inlinea(testo,    fuori, codice) {
    fuori = ""
    while (match(testo, /`[^`]*`/)) {
        codice = substr(testo, RSTART + 1, RLENGTH - 2)
        gsub(/-/, "\\-", codice)
        fuori = fuori substr(testo, 1, RSTART - 1) "\\fB" codice "\\fR"
        testo = substr(testo, RSTART + RLENGTH)
    }
    fuori = fuori testo
    if (fuori ~ /^[.']/) fuori = "\\&" fuori
    return fuori
}

function chiudiElenchi() {
    while (rientri > 0) {
        print ".RE"
        rientri--
    }
}

/^## / {
    chiudiElenchi()
    dentro = ($0 == "## JSON della riga di comando" || $0 == "## Scrivere un metodo")
    if (dentro) print "[" toupper(substr($0, 4)) "]"
    next
}
!dentro { next }

/^```/ {
    chiudiElenchi()
    blocco = !blocco
    print blocco ? ".nf" : ".fi"
    next
}
blocco {
    riga = $0
    gsub(/\\/, "\\e", riga)
    gsub(/-/, "\\-", riga)
    if (riga ~ /^[.']/) riga = "\\&" riga
    print riga
    next
}

/^### / {
    chiudiElenchi()
    print ".SS " inlinea(substr($0, 5))
    next
}

/^ *- / {
    match($0, /^ */)
    livello = RLENGTH / 2
    while (rientri < livello) { print ".RS"; rientri++ }
    while (rientri > livello) { print ".RE"; rientri-- }
    print ".IP \\(bu 2"
    print inlinea(substr($0, RLENGTH + 3))
    next
}

/^$/ {
    chiudiElenchi()
    print ".PP"
    next
}

{
    sub(/^ +/, "")
    print inlinea($0)
}
