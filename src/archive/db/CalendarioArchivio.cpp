#include "archive/db/CalendarioArchivio.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "core/db/DatabaseArchivio.h"

namespace quorvane {

std::optional<std::vector<Data>> dateCalendario(DatabaseArchivio& db, int anno, QString* errore) {
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (db.db().tables(QSql::Views).contains(QStringLiteral("Query_AAMMGG"), Qt::CaseInsensitive)) {
        q.prepare(QStringLiteral("SELECT DataEstrazione FROM Query_AAMMGG WHERE A = ?"));
        q.addBindValue(anno);
    } else {
        q.prepare(
            QStringLiteral("SELECT DataEstrazione FROM EstrazioniLotto "
                           "WHERE DataEstrazione >= ? AND DataEstrazione < ?"));
        q.addBindValue(QStringLiteral("%1-01-01").arg(anno, 4, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("%1-01-01").arg(anno + 1, 4, 10, QLatin1Char('0')));
    }
    if (!q.exec()) {
        *errore = q.lastError().text();
        return std::nullopt;
    }
    std::vector<Data> date;
    while (q.next())
        if (auto d = Data::daTestoIso(q.value(0).toString().left(10).toStdString())) date.push_back(*d);
    return date;
}

}  // namespace quorvane
