#include "core/db/NomiGiocatore.h"

#include <algorithm>

namespace quorvane {

namespace {

bool invisibile(QChar c) {
    switch (c.category()) {
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
        case QChar::Other_Format:
        case QChar::Other_Control:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::optional<QString> nomeVisibile(const QString& nome) {
    const QString composto = nome.normalized(QString::NormalizationForm_C).trimmed();
    if (std::all_of(composto.begin(), composto.end(), invisibile)) return std::nullopt;
    return composto;
}

QString chiaveNome(const QString& nome) {
    QString chiave = nome.normalized(QString::NormalizationForm_KC).toCaseFolded();
    chiave.removeIf(invisibile);
    return chiave;
}

}  // namespace quorvane
