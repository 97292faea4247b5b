#include "deck/accessconversion.h"

#include "deck/cardsetfiles.h"
#include "deck/editmessages.h"
#include "deck/jetcardreader.h"
#include "deck/sqlitedatabase.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace cardSetFiles;

namespace {

// The card table written into a new file; fails with SQLite's reason.
SqliteResult<Done> writeTable(const QString &path, const CardRows &rows, ConvertReport &report)
{
    const auto opened = SqliteDatabase::open(path, SqliteDatabase::Access::Create, 0);
    if (!opened)
        return opened.error();
    const SqliteDatabase &db = *opened.value();
    for (const char *sql : {"CREATE TABLE tblflashcards (cardname TEXT)", "BEGIN"}) {
        if (auto done = db.exec(QLatin1String(sql)); !done)
            return done;
    }
    for (qint64 row = 0; row < rows.size(); ++row) {
        if (!rows[row]) {
            report.leftOut.append(row);
            continue;
        }
        const auto added = db.exec(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"), {*rows[row]});
        if (!added)
            return added;
        ++report.cards;
    }
    return db.exec(QStringLiteral("COMMIT"));
}

} // namespace

StoreResult<ConvertReport> AccessConversion::run(const CardSetLocation &location)
{
    const QString database = location.database();
    const QString kept = database + QLatin1String(".access");
    if (exists(kept))
        return editMessages::accessCopyExists(kept);
    const auto rows = JetCardReader::rows(database);
    if (!rows)
        return rows.error();

    const QString temporary = location.folder() + QLatin1Char('/') + temporaryName("mdb");
    const auto discard = [&temporary] {
        remove(temporary);
        remove(temporary + QLatin1String("-journal"));
    };
    ConvertReport report;
    const auto written = writeTable(temporary, rows.value(), report);
    const QByteArray path = native(temporary);
    bool ok = written && ::chmod(path.constData(), fileMode) == 0;
    ok = ok && (::geteuid() != 0 || ::chown(path.constData(), location.ownerId(), location.groupId()) == 0);
    if (ok) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        ok = fd >= 0 && ::fsync(fd) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    if (!ok) {
        discard();
        return editMessages::notWritten(database, written ? QString() : written.error().text);
    }
    betweenSteps();
    // The Access file keeps its data under a second name before the SQLite
    // one takes the first: a run cut off in between leaves the same file twice.
    if (!link(database, kept)) {
        const QString error = errorText();
        discard();
        return editMessages::notWritten(kept, error);
    }
    betweenSteps();
    if (!move(temporary, database)) {
        const QString error = errorText();
        remove(kept);
        discard();
        return editMessages::notWritten(database, error);
    }
    syncFolder(location.folder());
    return report;
}
