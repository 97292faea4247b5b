// What a phrase pays for reading the card set's language again, so that a
// language changed since the last draw is the one heard: the card session's
// phrase on an unchanged card set of 26 to 1,000,000 cards, beside composing
// the same phrase from the language already known.

#include "benchreport.h"
#include "cardtable.h"

#include "play/cardsession.h"
#include "play/drawsequence.h"
#include "speech/phrasepatterns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    for (const int rows : {26, 1000000}) {
        QTemporaryDir dir;
        if (!writeCardTable(dir.filePath(QStringLiteral("pomwit.mdb")), rows, [](int) { return QByteArray("apple"); })) {
            std::fprintf(stderr, "bench_phraselanguage: cannot write the card set\n");
            return 1;
        }
        CardSession session(dir.path(), nullptr, nullptr, nullptr);
        if (!session.loadFirstCard())
            return 1;
        const QString word = QStringLiteral("apple");
        std::vector<double> times, baseline;
        for (int i = 0; i < 2000; ++i) {
            QElapsedTimer timer;
            timer.start();
            const QString phrase = session.phrase(word);
            times.push_back(double(timer.nsecsElapsed()) / 1e3);
            timer.restart();
            const QString composed = phrasePatterns::phrase(word, session.language());
            baseline.push_back(double(timer.nsecsElapsed()) / 1e3);
            if (phrase != composed)
                return 1;
        }
        benchLine(QStringLiteral("phrase_reads_language_median_%1").arg(rows), percentile(times, 0.5),
                  percentile(baseline, 0.5), QStringLiteral("us"));
        benchLine(QStringLiteral("phrase_reads_language_p95_%1").arg(rows), percentile(times, 0.95),
                  percentile(baseline, 0.95), QStringLiteral("us"));
    }
    return 0;
}
