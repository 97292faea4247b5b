// Next Card end to end in the real card window, offscreen: from the handler
// call to the new picture painted, beside the store's bare reads plus QImage
// loading the same picture, for card sets of 26 to 1,000,000 cards.

#include "benchreport.h"
#include "testsupport.h"

#include "app/forms.h"
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

#include <sqlite3.h>

#include <vector>

namespace {

// Row i holds the i-th bundled word, round and round, so that every card has
// one of the bundled pictures.
bool writeCardSet(const QString &folder, int rows, const QStringList &words)
{
    sqlite3 *db = nullptr;
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/pomwit.mdb"));
    bool ok = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, "CREATE TABLE tblflashcards (cardname TEXT); BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt *insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO tblflashcards VALUES (?)", -1, &insert, nullptr) == SQLITE_OK;
    for (int i = 0; ok && i < rows; ++i) {
        const QByteArray word = words[i % words.size()].toUtf8();
        sqlite3_bind_text(insert, 1, word.constData(), int(word.size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
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
        Forms forms(services.services);
        forms.main().cmdStartFlash_Click();
        frmCard &card = forms.card();
        auto *picture = card.window()->findChild<QLabel *>(QStringLiteral("imgcardpic"));
        const CardStore store(dir.path());

        const int draws = rows >= 1000000 ? 40 : 150;
        std::vector<double> times, baseline;
        for (int i = 0; i < draws; ++i) {
            QElapsedTimer timer;
            timer.start();
            card.cmdnextcard_Click();
            picture->repaint();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);

            timer.restart();
            const auto count = store.count();
            const auto word = store.cardAt(QRandomGenerator::global()->bounded(count.value()));
            const QImage image(store.picturePath(word.value()).path);
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
