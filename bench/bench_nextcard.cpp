// Next Card end to end in the real card window, offscreen: from the handler
// call to the new picture painted, beside the store's bare reads plus QImage
// loading the same picture, for card sets of 26 to 1,000,000 cards.

#include "benchreport.h"
#include "cardtable.h"
#include "testsupport.h"

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "deck/cardstore.h"
#include "play/frmcard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <vector>

namespace {

// Row i holds the i-th bundled word, round and round, so that every card has
// one of the bundled pictures.
bool writeCardSet(const QString &folder, int rows, const QStringList &words)
{
    bool ok = writeCardTable(folder + QStringLiteral("/pomwit.mdb"), rows,
                             [&](int i) -> QByteArray { return words[i % words.size()].toUtf8(); });
    QDir(folder).mkpath(QStringLiteral("pictures"));
    for (const QString &word : words) {
        const QString from = QStringLiteral(POMWIT_BUNDLED_DIR "/pictures/") + word + QStringLiteral(".bmp");
        ok = ok && QFile::copy(from, folder + QStringLiteral("/pictures/") + word + QStringLiteral(".bmp"));
    }
    return ok;
}

QStringList bundledWords()
{
    QStringList words;
    for (const QString &file : QDir(QStringLiteral(POMWIT_BUNDLED_DIR "/pictures")).entryList({QStringLiteral("*.bmp")}))
        words << file.chopped(4);
    return words;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList words = bundledWords();
    std::printf("%-10s %12s %12s %12s %12s %7s\n", "cards", "median ms", "p95 ms", "base median", "base p95", "ratio");
    for (const int rows : {26, 10000, 1000000}) {
        QTemporaryDir dir;
        if (!writeCardSet(dir.path(), rows, words)) {
            std::fprintf(stderr, "bench_nextcard: cannot write the card set\n");
            return 1;
        }
        testsupport::TestServices services(dir.path());
        ProgramWindows forms(services.services);
        forms.main().cmdStartFlash_Click();
        frmCard &card = forms.card();
        auto *picture = card.window()->findChild<QLabel *>(QStringLiteral("imgcardpic"));
        CardStore store(dir.path());

        const int draws = rows >= 1000000 ? 40 : 150;
        std::vector<double> times, baseline;
        for (int i = 0; i < draws; ++i) {
            QElapsedTimer timer;
            timer.start();
            card.cmdnextcard_Click();
            picture->repaint();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);

            // What dealing needs at the least: the count, every card (to know
            // which are still to come) and the picture.
            timer.restart();
            const auto all = store.snapshot();
            const QString word = *all->rows->at(QRandomGenerator::global()->bounded(qint32(all->rows->size())));
            const QImage image(store.picturePath(word).value());
            baseline.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (image.isNull())
                return 1;
        }
        const double median = percentile(times, 0.5), p95 = percentile(times, 0.95);
        const double baseMedian = percentile(baseline, 0.5), baseP95 = percentile(baseline, 0.95);
        benchLine(QStringLiteral("next_card_painted_median_%1").arg(rows), median, baseMedian, QStringLiteral("ms"));
        benchLine(QStringLiteral("next_card_painted_p95_%1").arg(rows), p95, baseP95, QStringLiteral("ms"));
        std::printf("%-10d %12.3f %12.3f %12.3f %12.3f %7.2f\n", rows, median, p95, baseMedian, baseP95, median / baseMedian);
    }
    return 0;
}
