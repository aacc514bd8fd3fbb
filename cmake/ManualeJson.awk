# Turns the README's section "JSON della riga di comando" into a help2man include file, so that
# the manual page lists the same tables and keys as the README, which a test checks.
# Handles what the section uses: paragraphs, "###" headings, nested "- " lists, `code`.

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

BEGIN { print "[JSON DELLA RIGA DI COMANDO]" }

/^## / { dentro = ($0 == "## JSON della riga di comando"); next }
!dentro { next }

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
