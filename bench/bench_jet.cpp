// The card store's reading of the 10,000-card Access file, beside the same
// reading of a SQLite card database holding the same words in the same order.
// Each is a first reading, by a store of its own: a store reads an unchanged
// set only once.

#include "benchreport.h"

#include "deck/cardstore.h"
#include "legacyfixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

bool readAll(const QString &folder, const QString &last)
{
    CardStore store(folder);
    const auto cards = store.snapshot();
    return cards && cards->rows->constLast() == last;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString fixture = QStringLiteral("cards10000-v2000.mdb");
    if (!QFile::exists(testsupport::legacyFixture(fixture))) {
        std::fprintf(stderr, "%s\n", testsupport::legacyFixturesMissing());
        return 1;
    }
    QTemporaryDir work;
    const QString jetFolder = work.path() + QStringLiteral("/jet");
    const QString sqliteFolder = work.path() + QStringLiteral("/sqlite");
    QDir().mkpath(jetFolder);
    QDir().mkpath(sqliteFolder);
    const QStringList words = testsupport::legacyCards10000();
    if (!testsupport::useLegacyCardDatabase(jetFolder, fixture)
        || !testsupport::writeCardDatabase(sqliteFolder, testsupport::wordsOf(words))) {
        std::fprintf(stderr, "could not set up the card sets\n");
        return 1;
    }
    for (int i = 0; i < 3; ++i) {
        readAll(jetFolder, words.last());
        readAll(sqliteFolder, words.last());
    }

    constexpr int repeats = 100;
    std::vector<double> jetTimes, sqliteTimes;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        auto timeStore = [&](const QString &folder, std::vector<double> &times, const char *name) {
            timer.start();
            if (!readAll(folder, words.last()))
                std::fprintf(stderr, "%s reading failed\n", name);
            times.push_back(elapsedMs(timer));
        };
        // Alternate which goes first, so that neither always finds the cache warmer.
        if (i % 2 == 0) {
            timeStore(jetFolder, jetTimes, "Access");
            timeStore(sqliteFolder, sqliteTimes, "SQLite");
        } else {
            timeStore(sqliteFolder, sqliteTimes, "SQLite");
            timeStore(jetFolder, jetTimes, "Access");
        }
    }

    const double jetMedian = percentile(jetTimes, 0.5), jetP95 = percentile(jetTimes, 0.95);
    const double sqliteMedian = percentile(sqliteTimes, 0.5), sqliteP95 = percentile(sqliteTimes, 0.95);
    benchLine(QStringLiteral("jet_read_median_10000"), jetMedian, sqliteMedian, QStringLiteral("ms"));
    benchLine(QStringLiteral("jet_read_p95_10000"), jetP95, sqliteP95, QStringLiteral("ms"));

    std::printf("\nReading all of 10,000 cards, in ms\n");
    std::printf("%-28s | %10s %10s\n", "card database", "median", "p95");
    std::printf("%-28s | %10.3f %10.3f\n", "Access 2000 (libmdb)", jetMedian, jetP95);
    std::printf("%-28s | %10.3f %10.3f\n", "SQLite (the same words)", sqliteMedian, sqliteP95);
    std::printf("%-28s | %10.2f %10.2f\n", "Access / SQLite", jetMedian / sqliteMedian, jetP95 / sqliteP95);
    return 0;
}
