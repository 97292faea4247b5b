#include "deck/sqlitecardsource.h"

#include "deck/cardstore.h"
#include "deck/storemessages.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

#include <utility>

namespace {

// Setting up a Qt SQL connection costs more than opening a small file, so
// each thread keeps its connections, closed, between operations.
QStringList &idleConnections()
{
    thread_local QStringList idle;
    return idle;
}

// Connections must go before the application object: the driver lives in a
// plugin that is not there any more when global objects are destroyed.
void removeIdleConnections()
{
    for (const QString &name : std::exchange(idleConnections(), {}))
        QSqlDatabase::removeDatabase(name);
}

QString takeConnection()
{
    if (!idleConnections().isEmpty())
        return idleConnections().takeLast();
    static const bool cleanup = [] {
        qAddPostRoutine(removeIdleConnections);
        return true;
    }();
    Q_UNUSED(cleanup);
    static QAtomicInteger<quint64> counter;
    const QString name = QStringLiteral("pomwit-cards-%1").arg(counter.fetchAndAddRelaxed(1));
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    return name;
}

constexpr qint64 memoryMapFromBytes = 1 << 20;
constexpr qint64 memoryMapBytes = qint64(1) << 30;


} // namespace

SqliteCardSource::SqliteCardSource(const QString &path, bool unchanging)
    : m_path(path)
    , m_connection(takeConnection())
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QString options = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (unchanging) {
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    } else {
        db.setDatabaseName(path);
    }
    db.setConnectOptions(options);
    m_open = db.open();
    // Read a large card table through a memory map: page by page through the
    // file, the count and the positioning cost about three times as much at a
    // million rows. Small files gain nothing from setting up the map. An
    // unlocked (immutable) file is never mapped: another program shrinking it
    // mid-read would end the program instead of failing the read.
    if (m_open && !unchanging && QFileInfo(path).size() >= memoryMapFromBytes)
        QSqlQuery(db).exec(QStringLiteral("PRAGMA mmap_size=%1").arg(memoryMapBytes));
}

SqliteCardSource::~SqliteCardSource()
{
    QSqlDatabase::database(m_connection, false).close();
    idleConnections().append(m_connection);
}

StoreError SqliteCardSource::openError() const
{
    const QSqlError error = QSqlDatabase::database(m_connection, false).lastError();
    return queryError(error);
}

StoreError SqliteCardSource::queryError(const QSqlError &error) const
{
    return storeMessages::fromSqlite(m_path, error.nativeErrorCode().toInt(), error.databaseText());
}

StoreResult<qint32> SqliteCardSource::count()
{
    if (!m_open)
        return openError();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(CardStore::countQuery)))
        return queryError(query.lastError());
    if (!query.next())
        return queryError(query.lastError());
    return static_cast<qint32>(query.value(QStringLiteral("Cnt")).toLongLong());
}

StoreResult<std::optional<QString>> SqliteCardSource::firstCard()
{
    const StoreResult<QStringList> first = readWords(1);
    if (!first)
        return first.error();
    return first->isEmpty() ? std::optional<QString>() : std::optional<QString>(first->constFirst());
}

StoreResult<QString> SqliteCardSource::cardAt(qint32 position)
{
    if (!m_open)
        return openError();
    if (position < 0)
        return storeMessages::noSuchPosition(m_path, position);
    // The card words query, read at one zero-based position without stepping
    // through the earlier rows here.
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT cardname  FROM tblflashcards LIMIT 1 OFFSET ?")))
        return queryError(query.lastError());
    query.addBindValue(position);
    if (!query.exec())
        return queryError(query.lastError());
    if (!query.next()) {
        if (query.lastError().isValid())
            return queryError(query.lastError());
        return storeMessages::noSuchPosition(m_path, position);
    }
    const QVariant word = query.value(0);
    if (word.isNull())
        return storeMessages::noWord(m_path, position);
    return word.toString();
}

StoreResult<QStringList> SqliteCardSource::words()
{
    return readWords(-1);
}

// The card words query, stepped through up to the limit (-1: every row).
StoreResult<QStringList> SqliteCardSource::readWords(qsizetype limit)
{
    if (!m_open)
        return openError();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(CardStore::wordsQuery)))
        return queryError(query.lastError());
    QStringList words;
    while (words.size() != limit && query.next()) {
        const QVariant word = query.value(0);
        if (word.isNull())
            return storeMessages::noWord(m_path, words.size());
        words.append(word.toString());
    }
    if (query.lastError().isValid())
        return queryError(query.lastError());
    return words;
}
