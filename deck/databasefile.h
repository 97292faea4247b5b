#pragma once

#include "deck/storeresult.h"

#include <QString>

#include <sys/types.h>

// The card database file as it lies on disk, looked at without a database
// engine: which kind of database it is, told by its first bytes and never by
// its name, and a stamp that changes when the file is replaced or written.
class DatabaseFile
{
public:
    enum class Kind { Sqlite, SqliteWriteAheadLog, Access };

    struct Stamp
    {
        dev_t device = 0;
        ino_t inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp &) const = default;
    };

    // Fails with the store's message for a file that is missing, not a
    // regular file, not readable, empty or not a card database.
    static StoreResult<DatabaseFile> inspect(const QString &path);

    Kind kind() const { return m_kind; }
    const Stamp &stamp() const { return m_stamp; }

private:
    DatabaseFile() = default;

    Kind m_kind = Kind::Sqlite;
    Stamp m_stamp;
};
