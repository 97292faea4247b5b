// The card store's next-card reads (the count, then the word at a random
// position) against the same two reads done with the bare sqlite3 C API, on
// card tables of 100 to 1,000,000 rows.

#include "benchreport.h"
#include "cardtable.h"

#include "deck/cardstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <vector>

namespace {

// One opening: open read-only, run one statement, read one row, close.
bool bareRead(const QByteArray &path, const char *sql, int position, bool bindPosition)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 2000);
    sqlite3_stmt *statement = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK;
    if (ok && bindPosition)
        ok = sqlite3_bind_int(statement, 1, position) == SQLITE_OK;
    ok = ok && sqlite3_step(statement) == SQLITE_ROW;
    // Read the value as the store does, so that the text is really fetched.
    ok = ok && (bindPosition ? sqlite3_column_text(statement, 0) != nullptr : sqlite3_column_int(statement, 0) >= 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}

constexpr const char *countSql = "SELECT Count(*) AS Cnt FROM tblflashcards";
constexpr const char *wordSql = "SELECT cardname FROM tblflashcards LIMIT 1 OFFSET ?";

// The store opens the database once for each read, so the baseline does too.
bool bareNextCard(const QByteArray &path, int position)
{
    return bareRead(path, countSql, 0, false) && bareRead(path, wordSql, position, true);
}

// The same two reads through a single opening, for reference only.
bool bareNextCardOneOpening(const QByteArray &path, int position)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_stmt *count = nullptr;
    sqlite3_stmt *word = nullptr;
    bool ok = sqlite3_prepare_v2(db, countSql, -1, &count, nullptr) == SQLITE_OK
        && sqlite3_step(count) == SQLITE_ROW && sqlite3_column_int(count, 0) >= 0;
    ok = ok && sqlite3_prepare_v2(db, wordSql, -1, &word, nullptr) == SQLITE_OK
        && sqlite3_bind_int(word, 1, position) == SQLITE_OK && sqlite3_step(word) == SQLITE_ROW
        && sqlite3_column_text(word, 0) != nullptr;
    sqlite3_finalize(count);
    sqlite3_finalize(word);
    sqlite3_close(db);
    return ok;
}

bool storeNextCard(const CardStore &store, int position)
{
    const auto count = store.count();
    return count.ok() && store.cardAt(position).ok();
}

struct Timings
{
    std::vector<double> store, bare, bareOneOpening;
};

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
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
        int repeats;
    };
    const std::vector<Size> sizes{{100, 400}, {10'000, 300}, {100'000, 100}, {1'000'000, 40}};
    QRandomGenerator random(20240601);

    struct Row
    {
        int rows;
        double storeMedian, storeP95, bareMedian, bareP95, oneOpeningMedian;
    };
    std::vector<Row> table;

    for (const Size &size : sizes) {
        const QString folder = work.path() + QStringLiteral("/rows%1").arg(size.rows);
        QDir().mkpath(folder);
        QElapsedTimer build;
        build.start();
        const CardStore store(folder);
        if (!writeCardTable(store.databasePath(), size.rows, [](int i) -> QByteArray { return "word" + QByteArray::number(i); })) {
            std::fprintf(stderr, "could not write %d rows\n", size.rows);
            return 1;
        }
        std::fprintf(stderr, "%d rows written in %.0f ms\n", size.rows, elapsedMs(build));
        const QByteArray path = QFile::encodeName(store.databasePath());

        // Warm the file cache and the SQLite driver before timing.
        for (int i = 0; i < 3; ++i) {
            storeNextCard(store, size.rows - 1);
            bareNextCard(path, size.rows - 1);
        }

        Timings timings;
        for (int i = 0; i < size.repeats; ++i) {
            const int position = int(random.bounded(quint32(size.rows)));
            QElapsedTimer timer;
            // Alternate which goes first, so that neither always finds the cache warmer.
            auto timeStore = [&] {
                timer.start();
                if (!storeNextCard(store, position))
                    std::fprintf(stderr, "store read failed at %d\n", position);
                timings.store.push_back(elapsedMs(timer));
            };
            auto timeBare = [&] {
                timer.start();
                if (!bareNextCard(path, position))
                    std::fprintf(stderr, "sqlite3 read failed at %d\n", position);
                timings.bare.push_back(elapsedMs(timer));
            };
            if (i % 2 == 0) {
                timeStore();
                timeBare();
            } else {
                timeBare();
                timeStore();
            }
            timer.start();
            bareNextCardOneOpening(path, position);
            timings.bareOneOpening.push_back(elapsedMs(timer));
        }

        Row row{size.rows,
                percentile(timings.store, 0.5),
                percentile(timings.store, 0.95),
                percentile(timings.bare, 0.5),
                percentile(timings.bare, 0.95),
                percentile(timings.bareOneOpening, 0.5)};
        table.push_back(row);
        benchLine(QStringLiteral("cardstore_next_card_median_%1").arg(size.rows), row.storeMedian, row.bareMedian,
                  QStringLiteral("ms"));
        benchLine(QStringLiteral("cardstore_next_card_p95_%1").arg(size.rows), row.storeP95, row.bareP95,
                  QStringLiteral("ms"));
        QFile::remove(store.databasePath());
    }

    std::printf("\nNext-card reads (count, then the word at a random position), in ms\n");
    std::printf("%10s | %12s %12s | %12s %12s | %7s %7s | %14s\n", "rows", "store med", "store p95",
                "sqlite3 med", "sqlite3 p95", "x med", "x p95", "1-open med");
    for (const Row &row : table) {
        std::printf("%10d | %12.3f %12.3f | %12.3f %12.3f | %7.2f %7.2f | %14.3f\n", row.rows, row.storeMedian,
                    row.storeP95, row.bareMedian, row.bareP95, row.storeMedian / row.bareMedian,
                    row.storeP95 / row.bareP95, row.oneOpeningMedian);
    }
    std::printf("Goal: at most 1.5 x sqlite3 at every size (each read its own opening, as the store must),\n"
                "and under 25 ms at 1,000,000 rows. \"1-open\" is both reads through one opening, for reference.\n");
    return 0;
}
