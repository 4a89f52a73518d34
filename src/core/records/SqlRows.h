// Reading rows of the records database: dates as ISO text, and every row of a
// query turned into a value. Shared by the files that make up RecordsDatabase.
#pragma once

#include "core/records/SqlStatement.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <type_traits>
#include <vector>

struct sqlite3;

inline QString isoDate(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

inline QDate fromIso(const QString& text)
{
    return QDate::fromString(text, Qt::ISODate);
}

// Every row of a query as read(row); the parameters are bound in order from 1.
// No database, no rows. A query that fails leaves its reason in `problem`.
template<typename Read, typename... Parameters>
auto rowsOf(sqlite3* db, QString& problem, const QByteArray& sql, Read read, const Parameters&... parameters)
{
    std::vector<std::invoke_result_t<Read, const SqlStatement&>> found;
    if (!db)
        return found;
    SqlStatement query(db, sql.constData());
    int index = 0;
    (query.bind(++index, parameters), ...);
    while (query.next())
        found.push_back(read(query));
    if (query.failed())
        problem = sqliteError(db);
    return found;
}
