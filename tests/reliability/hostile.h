#pragma once

// Helpers shared by the reliability tests: a card database held by another
// process, and the texts a message must carry to be of use to a parent.

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

namespace reliability {

// True when another connection cannot read the database right now.
inline bool readIsBlocked(const QString &database)
{
    const QString name = QStringLiteral("reliability-probe");
    bool blocked = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=0"));
        if (db.open()) {
            QSqlQuery query(db);
            blocked = !query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return blocked;
}

// The sqlite3 command-line tool holding an exclusive lock on a database until
// release(), as a parent's database program in the middle of an edit would.
class LockHolder
{
public:
    bool acquire(const QString &database)
    {
        m_database = database;
        const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (sqlite3.isEmpty())
            return false;
        m_process.start(sqlite3, {database});
        // Generous: a loaded machine starts processes slowly.
        if (!m_process.waitForStarted(15000))
            return false;
        m_process.write("BEGIN EXCLUSIVE;\n");
        m_process.waitForBytesWritten(5000);
        QElapsedTimer timer;
        timer.start();
        while (!readIsBlocked(database)) {
            if (timer.hasExpired(15000))
                return false;
            QThread::msleep(10);
        }
        return true;
    }
    bool release()
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        m_process.write("ROLLBACK;\n.quit\n");
        m_process.waitForBytesWritten(5000);
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
            return false;
        }
        return !readIsBlocked(m_database);
    }
    ~LockHolder() { release(); }

private:
    QProcess m_process;
    QString m_database;
};

// A message a parent can act on says what to do, not only what went wrong.
inline bool saysWhatToDo(const QString &message)
{
    static const QRegularExpression verbs(
        QStringLiteral("\\b(put|replace|add|type|rename|copy|save|check|move|try|delete|close)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return verbs.match(message).hasMatch();
}

} // namespace reliability
