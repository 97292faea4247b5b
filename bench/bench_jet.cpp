// The card store's next-card reads (the count, then the word at a random
// position) on the 10,000-card Access file, beside the same reads on a SQLite
// card database holding the same 10,000 words in the same order.

#include "benchreport.h"

#include "deck/cardstore.h"
#include "legacyfixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

bool nextCard(const CardStore &store, int position, const QString &expected)
{
    const auto count = store.count();
    const auto word = store.cardAt(position);
    return count.ok() && word.ok() && word.value() == expected;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString fixture = QStringLiteral("cards10000-v2000.mdb");
    if (!QFile::exists(testsupport::legacyFixture(fixture))) {
        std::printf("%s\n", testsupport::legacyFixturesMissing());
        return 0;
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
    const CardStore jet(jetFolder);
    const CardStore sqlite(sqliteFolder);

    for (int i = 0; i < 3; ++i) {
        nextCard(jet, int(words.size()) - 1, words.last());
        nextCard(sqlite, int(words.size()) - 1, words.last());
    }

    constexpr int repeats = 300;
    QRandomGenerator random(20240602);
    std::vector<double> jetTimes, sqliteTimes;
    for (int i = 0; i < repeats; ++i) {
        const int position = int(random.bounded(quint32(words.size())));
        QElapsedTimer timer;
        auto timeStore = [&](const CardStore &store, std::vector<double> &times, const char *name) {
            timer.start();
            if (!nextCard(store, position, words.at(position)))
                std::fprintf(stderr, "%s read failed at %d\n", name, position);
            times.push_back(elapsedMs(timer));
        };
        // Alternate which goes first, so that neither always finds the cache warmer.
        if (i % 2 == 0) {
            timeStore(jet, jetTimes, "Access");
            timeStore(sqlite, sqliteTimes, "SQLite");
        } else {
            timeStore(sqlite, sqliteTimes, "SQLite");
            timeStore(jet, jetTimes, "Access");
        }
    }

    const double jetMedian = percentile(jetTimes, 0.5), jetP95 = percentile(jetTimes, 0.95);
    const double sqliteMedian = percentile(sqliteTimes, 0.5), sqliteP95 = percentile(sqliteTimes, 0.95);
    benchLine(QStringLiteral("jet_next_card_median_10000"), jetMedian, sqliteMedian, QStringLiteral("ms"));
    benchLine(QStringLiteral("jet_next_card_p95_10000"), jetP95, sqliteP95, QStringLiteral("ms"));

    std::printf("\nNext-card reads on 10,000 cards (count, then the word at a random position), in ms\n");
    std::printf("%-28s | %10s %10s\n", "card database", "median", "p95");
    std::printf("%-28s | %10.3f %10.3f\n", "Access 2000 (libmdb)", jetMedian, jetP95);
    std::printf("%-28s | %10.3f %10.3f\n", "SQLite (the same words)", sqliteMedian, sqliteP95);
    std::printf("%-28s | %10.2f %10.2f\n", "Access / SQLite", jetMedian / sqliteMedian, jetP95 / sqliteP95);
    return 0;
}
