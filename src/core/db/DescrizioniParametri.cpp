#include "core/db/DescrizioniParametri.h"

#include <QHash>

#include "core/db/DatabaseProgramma.h"

namespace quorvane {

namespace {
// By the lower-case name: the rows are looked up whatever their letter case.
QHash<QString, QString>& descrizioni() {
    static QHash<QString, QString> tutte = {
        {Parametri::PercorsoArchivio.toLower(), QStringLiteral("Archivio delle estrazioni in uso")},
        {Parametri::EstrazioneIniziale.toLower(), QStringLiteral("Prima estrazione dell'archivio modello")},
        {Parametri::IndirizzoInternet.toLower(), QStringLiteral("Sito del programma")},
        {Parametri::PercorsoDati.toLower(), QStringLiteral("File Dati.iii dell'ultima esportazione")},
    };
    return tutte;
}
}  // namespace

void registraDescrizioneParametro(const QString& nome, const QString& descrizione) {
    descrizioni().insert(nome.toLower(), descrizione);
}

QString descrizioneParametro(const QString& nome) {
    return descrizioni().value(nome.toLower());
}

}  // namespace quorvane
