#include "analyses/ui/CasellaEstrazione.h"

#include <algorithm>

#include "core/SceltaEstrazione.h"

namespace quorvane {

CasellaEstrazione::CasellaEstrazione(const ArchivioEstrazioni& archivio, const char* nome, QWidget* padre)
    : QSpinBox(padre), archivio_(archivio) {
    setObjectName(QString::fromLatin1(nome));
    setToolTip(QStringLiteral("Indice dell'estrazione o data GG/MM/AAAA"));
}

QValidator::State CasellaEstrazione::validate(QString& testo, int& posizione) const {
    if (!testo.contains(u'/')) {
        const QValidator::State stato = QSpinBox::validate(testo, posizione);
        // "0" or "07" may be the start of a date.
        const bool inizioData = testo.size() <= 2 &&
                                std::all_of(testo.begin(), testo.end(), [](QChar c) { return c.isDigit(); });
        return stato == QValidator::Invalid && inizioData ? QValidator::Intermediate : stato;
    }
    // A date is complete only when it is the date of a draw.
    if (testo.size() > 10) return QValidator::Invalid;
    if (testo.size() < 10) return QValidator::Intermediate;
    return estrazioneDellaData(archivio_, testo.toStdString()) ? QValidator::Acceptable : QValidator::Intermediate;
}

int CasellaEstrazione::valueFromText(const QString& testo) const {
    if (!testo.contains(u'/')) return QSpinBox::valueFromText(testo);
    return estrazioneDellaData(archivio_, testo.toStdString()).value_or(value());
}

}  // namespace quorvane
