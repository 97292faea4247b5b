// pomwit-cards killed at random points of a change, many times over: the
// program never meets a card without its picture, and after the next run the
// card set is as it was or completely changed.

#include "cardstest.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace Qt::StringLiterals;
using cardstest::names;

class TestCardsInterrupted : public QObject
{
    Q_OBJECT

private slots:
    void killedAnywhere();
};

void TestCardsInterrupted::killedAnywhere()
{
    QTemporaryDir source;
    const QString photo = source.path() + u"/photo.jpg"_s;
    QVERIFY(cardstest::writeFile(photo, cardstest::cameraJpeg(cardstest::quarters(), 6)));
    int killed = 0, repaired = 0, asBefore = 0;
    qint64 duration = 0;
    for (int run = 0; run <= 60; ++run) {
        // Adding a card, or replacing one's bitmap and PNG with a bitmap and a JPEG.
        QTemporaryDir dir;
        const QString folder = dir.path(), rose = folder + u"/pictures/rose.bmp"_s;
        QVERIFY(testsupport::writeCardSet(folder, names("apple|rose")));
        QVERIFY(cardstest::writeFile(folder + u"/pictures/rose.png"_s, "old"));
        const QByteArray oldRose = testsupport::fileHash(rose);
        const bool replace = run % 2;
        QProcess tool;
        QElapsedTimer timer;
        timer.start();
        tool.start(QStringLiteral(POMWIT_PAUSING_CARDS),
                   names(replace ? "add|--replace|rose" : "add|kangaroo") << photo << u"--folder"_s << folder);
        // The first two runs, left alone, measure a run (the first starts
        // cold); the others die anywhere after the first fifth, where the change is.
        if (run > 1) {
            QTest::qSleep(int(duration * (0.2 + 0.8 * QRandomGenerator::global()->generateDouble())));
            ::kill(pid_t(tool.processId()), SIGKILL);
        }
        QVERIFY(tool.waitForFinished());
        duration = run == 0 ? timer.elapsed() : run == 1 ? std::min(duration, timer.elapsed()) : duration;
        killed += tool.exitStatus() == QProcess::CrashExit;

        // Meanwhile the program draws every card it lists with its picture,
        // or is told to run check.
        const QStringList words = cardstest::cardWords(folder);
        if (words.contains(u"kangaroo"_s))
            QCOMPARE(QImage(folder + u"/pictures/kangaroo.bmp"_s).size(), QSize(273, 217));
        else if (words.size() == 1)
            QVERIFY2(words[0].contains(u"Run sudo pomwit-cards check"_s), qPrintable(words[0]));

        auto check = cardstest::runCards({u"--folder"_s, folder, u"check"_s});
        repaired += !check.err.isEmpty();
        QCOMPARE(check.status, 0);
        const QRegularExpression note(u"pomwit-cards: (An interrupted change of the card set in \"%1\" was "
                                       "(undone|finished)\\.|Removed \"%1/(pictures/)?\\.pomwit-cards-.*, left over "
                                       "from an interrupted run\\.)\n"_s.arg(QRegularExpression::escape(folder)));
        QVERIFY2(check.err.remove(note).isEmpty(), qPrintable(check.err));

        // As before, or complete.
        const QStringList now = cardstest::cardWords(folder) + testsupport::folderEntries(folder + u"/pictures"_s);
        const bool before = now == names("apple|rose|apple.bmp|rose.bmp|rose.png") && testsupport::fileHash(rose) == oldRose;
        const bool done = replace ? now == names("apple|rose|apple.bmp|rose.bmp|rose.jpg") && testsupport::fileHash(rose) != oldRose
                                  : now == names("apple|rose|kangaroo|apple.bmp|kangaroo.bmp|kangaroo.jpg|rose.bmp|rose.png");
        QVERIFY2(before || done, qPrintable(now.join(u',')));
        asBefore += before;
    }
    // The kills must have landed inside changes, on both sides of the commit.
    QVERIFY2(killed > 20 && repaired > 5 && asBefore > 0 && asBefore < 59,
             qPrintable(u"%1 of 59 runs killed, %2 repaired, %3 as before"_s.arg(killed).arg(repaired).arg(asBefore)));
}

QTEST_MAIN(TestCardsInterrupted)
#include "tst_cardsinterrupted.moc"
