#pragma once

#include "base/result.h"
#include "deck/cardstore.h"

#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;

// What SQLite said when a call failed: its extended result code and message.
struct SqliteError
{
    int code = 0;
    QString text;
};

template <typename T>
using SqliteResult = Result<T, SqliteError>;

// One connection to a SQLite card database, through SQLite's C API: the card
// store's one way to SQLite, for reading and for writing.
class SqliteDatabase
{
public:
    enum class Access {
        Read,          // read-only; links are followed
        ReadUnchanging, // read-only, no locks, no change detection: for a file nothing writes
        Write,         // the file itself, never through a link
        Create,        // the same, made if missing
    };

    static SqliteResult<std::unique_ptr<SqliteDatabase>> open(const QString &path, Access access, int busyTimeoutMs);
    ~SqliteDatabase();

    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    // Every row of the card words query, in its order.
    SqliteResult<CardRows> cardRows() const;
    // The card set's language as stored in the table the card words query
    // leaves alone; empty when none is set.
    SqliteResult<QString> cardSetLanguage() const;
    // Sets it, in the transaction under way if there is one.
    SqliteResult<Done> setCardSetLanguage(const QString &language) const;
    // The first column of the first row of a query as text, empty for no
    // row; the parameter, if not null, is bound to its one placeholder.
    SqliteResult<QString> value(const char *sql, const QString &parameter = QString()) const;
    // Runs a statement to its end, the values bound to its placeholders.
    SqliteResult<Done> exec(const QString &sql, const QStringList &values = {}) const;
    // Rolls back the open transaction, if there is one.
    void rollback();
    bool inTransaction() const;

private:
    explicit SqliteDatabase(sqlite3 *db) : m_db(db) {}
    SqliteError lastError() const;

    sqlite3 *m_db = nullptr;
};
