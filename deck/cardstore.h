#pragma once

#include "deck/databasefile.h"
#include "deck/storeresult.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class SqliteDatabase;

// One row of the card words query: its word, or none where it has none.
using CardRow = std::optional<QString>;
using CardRows = QList<CardRow>;

struct CardSnapshot
{
    std::shared_ptr<const CardRows> rows; // never null in a successful result
    quint64 generation = 0;               // changes exactly when the rows were read again
    QString language = {};                // the card set's language tag, e.g. "de"
};

// The card set: the card database "pomwit.mdb" and the "pictures" folder in
// the application folder. Nothing is ever written.
//
// The rows are read again only when the card set has changed since the last
// read, so that a draw does not walk a large set. A database in SQLite's
// rollback-journal mode stays open read-only between reads: its change
// counter (PRAGMA data_version) tells of a commit by anyone else, and the
// file's stamp tells of a file replaced or deleted, which an open connection
// would not notice. Such a connection never writes and never leaves a file
// beside the database; a database in write-ahead-log mode is therefore
// opened for each read only.
class CardStore
{
public:
    static constexpr auto databaseFileName = "pomwit.mdb";
    static constexpr auto picturesFolderName = "pictures";
    static constexpr auto tableName = "tblflashcards";
    static constexpr auto columnName = "cardname";
    static constexpr auto wordsQuery = "SELECT cardname  FROM tblflashcards;";
    static constexpr int busyTimeoutMs = 2000;

    explicit CardStore(const QString &applicationFolder);
    ~CardStore();

    CardStore(const CardStore &) = delete;
    CardStore &operator=(const CardStore &) = delete;

    QString applicationFolder() const { return m_folder; }
    QString databasePath() const;
    QString picturesFolder() const;

    // Every row in the query's order; read again only when the card set
    // changed since the last call.
    StoreResult<CardSnapshot> snapshot();
    // The snapshot's row count.
    StoreResult<qint32> count();
    // None for an empty table; a first row without a word is an error.
    StoreResult<std::optional<QString>> firstCard();
    // The card set's language as of the last read: read with the rows, from
    // a table the card words query leaves alone ("en" when none is set).
    QString language() const;

    // The folder, "/pictures/", the word unchanged and ".bmp". A word that
    // would lead out of the pictures folder names no path.
    StoreResult<QString> picturePath(const QString &word) const;
    // The word's recording beside its picture, if it has one (see recordingFile).
    std::optional<QString> recordingPath(const QString &word) const;

private:
    StoreResult<bool> isCurrent(const DatabaseFile &file);
    StoreResult<CardSnapshot> read(const DatabaseFile &file);
    bool hasWriteAheadLog() const;
    void forget();

    QString m_folder;
    CardSnapshot m_snapshot;
    std::optional<DatabaseFile> m_readFrom;
    std::unique_ptr<SqliteDatabase> m_kept;
    QString m_dataVersion;
};
