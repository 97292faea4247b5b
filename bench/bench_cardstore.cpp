// The card store's snapshot on card tables of 100 to 1,000,000 rows: the
// first reading, beside stepping through the same rows with the bare sqlite3
// C API, and a snapshot of an unchanged set, beside the least a look at the
// database can cost (open it, read one row by rowid, close it).

#include "benchreport.h"
#include "cardtable.h"

#include "deck/cardstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <vector>

namespace {

double elapsedUs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e3;
}

// Every word of the table as the store reads it, through the C API alone.
bool bareReadAll(const QByteArray &path, qint64 *rows)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *statement = nullptr;
    bool ok = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, CardStore::wordsQuery, -1, &statement, nullptr) == SQLITE_OK;
    *rows = 0;
    while (ok && sqlite3_step(statement) == SQLITE_ROW)
        *rows += sqlite3_column_text(statement, 0) != nullptr;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}

bool bareReadOneRow(const QByteArray &path, int rowid)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *statement = nullptr;
    bool ok = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, "SELECT cardname FROM tblflashcards WHERE rowid = ?", -1, &statement, nullptr)
            == SQLITE_OK
        && sqlite3_bind_int(statement, 1, rowid) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW
        && sqlite3_column_text(statement, 0) != nullptr;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }

    struct Size
    {
        int rows;
        int readings;
    };
    struct Row
    {
        int rows;
        double readMs, bareReadMs, unchangedUs, unchangedP95Us, oneRowUs;
    };
    std::vector<Row> table;
    for (const Size size : {Size{100, 50}, Size{10'000, 20}, Size{1'000'000, 3}}) {
        const QString folder = work.path() + QStringLiteral("/rows%1").arg(size.rows);
        QDir().mkpath(folder);
        const QString database = folder + QStringLiteral("/pomwit.mdb");
        if (!writeCardTable(database, size.rows, [](int i) -> QByteArray { return "word" + QByteArray::number(i); })) {
            std::fprintf(stderr, "could not write %d rows\n", size.rows);
            return 1;
        }
        const QByteArray path = QFile::encodeName(database);
        qint64 rows = 0;
        bareReadAll(path, &rows); // the file into the cache

        // The first reading, by a store of its own each time.
        std::vector<double> reads, bareReads;
        for (int i = 0; i < size.readings; ++i) {
            QElapsedTimer timer;
            timer.start();
            CardStore fresh(folder);
            const auto cards = fresh.snapshot();
            reads.push_back(elapsedUs(timer) / 1e3);
            timer.restart();
            const bool bare = bareReadAll(path, &rows);
            bareReads.push_back(elapsedUs(timer) / 1e3);
            if (!cards || cards->rows->size() != size.rows || !bare || rows != size.rows) {
                std::fprintf(stderr, "a reading of %d rows failed\n", size.rows);
                return 1;
            }
        }

        // Then nothing changes.
        CardStore store(folder);
        const auto first = store.snapshot();
        std::vector<double> unchanged, oneRow;
        for (int i = 0; i < 2000; ++i) {
            QElapsedTimer timer;
            timer.start();
            const auto cards = store.snapshot();
            unchanged.push_back(elapsedUs(timer));
            timer.restart();
            const bool bare = bareReadOneRow(path, 1 + i % size.rows);
            oneRow.push_back(elapsedUs(timer));
            if (!cards || cards->generation != first->generation || !bare) {
                std::fprintf(stderr, "the unchanged set of %d rows was read again, or not at all\n", size.rows);
                return 1;
            }
        }

        const Row row{size.rows, percentile(reads, 0.5), percentile(bareReads, 0.5), percentile(unchanged, 0.5),
                      percentile(unchanged, 0.95), percentile(oneRow, 0.5)};
        table.push_back(row);
        benchLine(QStringLiteral("cardstore_first_read_median_%1").arg(size.rows), row.readMs, row.bareReadMs,
                  QStringLiteral("ms"));
        benchLine(QStringLiteral("cardstore_unchanged_snapshot_median_%1").arg(size.rows), row.unchangedUs,
                  row.oneRowUs, QStringLiteral("us"));
        benchLine(QStringLiteral("cardstore_unchanged_snapshot_p95_%1").arg(size.rows), row.unchangedP95Us,
                  percentile(oneRow, 0.95), QStringLiteral("us"));
        QFile::remove(database);
    }

    std::printf("\n%10s | %12s %12s | %14s %14s %14s\n", "rows", "read ms", "sqlite3 ms", "unchanged us",
                "unchanged p95", "one row us");
    for (const Row &row : table) {
        std::printf("%10d | %12.3f %12.3f | %14.1f %14.1f %14.1f\n", row.rows, row.readMs, row.bareReadMs,
                    row.unchangedUs, row.unchangedP95Us, row.oneRowUs);
    }
    std::printf("Goal: a snapshot of an unchanged set costs microseconds at every size, less than opening the\n"
                "database to read one row. A first reading adds to sqlite3's steps a text made for every word.\n");
    return 0;
}
