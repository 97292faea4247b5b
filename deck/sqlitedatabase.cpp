#include "deck/sqlitedatabase.h"

#include <QFile>
#include <QUrl>

#include <sqlite3.h>

namespace {

// A statement finalized however its use ends.
struct Statement
{
    sqlite3_stmt *handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

QString columnText(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

} // namespace

SqliteResult<std::unique_ptr<SqliteDatabase>> SqliteDatabase::open(const QString &path, Access access,
                                                                   int busyTimeoutMs)
{
    QByteArray name = QFile::encodeName(path);
    int flags = SQLITE_OPEN_READONLY;
    switch (access) {
    case Access::Read:
        break;
    case Access::ReadUnchanging:
        name = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toUtf8() + "?immutable=1";
        flags |= SQLITE_OPEN_URI;
        break;
    case Access::Write:
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW;
        break;
    case Access::Create:
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW;
        break;
    }
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    std::unique_ptr<SqliteDatabase> database(new SqliteDatabase(db));
    if (!db)
        return SqliteError{rc, QString::fromUtf8(sqlite3_errstr(rc))};
    sqlite3_extended_result_codes(db, 1);
    if (rc != SQLITE_OK)
        return database->lastError();
    sqlite3_busy_timeout(db, busyTimeoutMs);
    return database;
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close_v2(m_db);
}

SqliteError SqliteDatabase::lastError() const
{
    return {sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))};
}

SqliteResult<CardRows> SqliteDatabase::cardRows() const
{
    Statement statement;
    if (sqlite3_prepare_v2(m_db, CardStore::wordsQuery, -1, &statement.handle, nullptr) != SQLITE_OK)
        return lastError();
    CardRows rows;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
        if (sqlite3_column_type(statement.handle, 0) == SQLITE_NULL)
            rows.append(std::nullopt);
        else
            rows.append(columnText(statement.handle, 0));
    }
    if (rc != SQLITE_DONE)
        return lastError();
    return rows;
}

SqliteResult<QString> SqliteDatabase::cardSetLanguage() const
{
    const auto language = value("SELECT value FROM tblcardset WHERE name = 'language'");
    // A card set from before languages has no such table.
    if (!language && language.error().text.startsWith(QLatin1String("no such table")))
        return QString();
    return language;
}

SqliteResult<Done> SqliteDatabase::setCardSetLanguage(const QString &language) const
{
    if (auto made = exec(QStringLiteral("CREATE TABLE IF NOT EXISTS tblcardset (name TEXT PRIMARY KEY, value TEXT)"));
        !made)
        return made;
    return exec(QStringLiteral("INSERT OR REPLACE INTO tblcardset (name, value) VALUES ('language', ?)"), {language});
}

SqliteResult<QString> SqliteDatabase::value(const char *sql, const QString &parameter) const
{
    Statement statement;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement.handle, nullptr) != SQLITE_OK)
        return lastError();
    if (!parameter.isNull())
        sqlite3_bind_text(statement.handle, 1, parameter.toUtf8().constData(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(statement.handle);
    if (rc == SQLITE_ROW)
        return columnText(statement.handle, 0);
    if (rc != SQLITE_DONE)
        return lastError();
    return QString();
}

SqliteResult<Done> SqliteDatabase::exec(const QString &sql, const QStringList &values) const
{
    Statement statement;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement.handle, nullptr) != SQLITE_OK)
        return lastError();
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement.handle, i + 1, values[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(statement.handle);
    if (rc != SQLITE_DONE)
        return lastError();
    return Done{};
}

void SqliteDatabase::rollback()
{
    if (!sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool SqliteDatabase::inTransaction() const
{
    return !sqlite3_get_autocommit(m_db);
}
