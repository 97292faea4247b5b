// The card window drawing cards as fast as it can while another process edits
// the card database the way a parent's database tool would: rows come and go,
// the table goes away and comes back, and the file is locked for a while.

#include "app/forms.h"
#include "app/frmmain.h"
#include "hostile.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace testsupport;

namespace {

constexpr int minimumDraws = 2000;
constexpr qint64 drawLimitMs = 5000;
constexpr qint64 runLimitMs = 100000;

QString word(int i)
{
    return QStringLiteral("w%1").arg(i);
}

// A shell script that feeds sqlite3 one statement at a time, with pauses, and
// records the row count after every change, so that the counts that ever
// existed are known afterwards.
QString editorScript(int firstRows, int poolSize)
{
    QString script;
    QTextStream out(&script);
    int rows = firstRows;
    auto sql = [&](const QString &statement) { out << "echo \"" << statement << "\"\n"; };
    auto counted = [&](const QString &statement, double pause) {
        sql(statement);
        sql(QStringLiteral("SELECT 'count', count(*) FROM tblflashcards;"));
        out << "sleep " << pause << "\n";
    };
    auto lock = [&](double seconds) {
        sql(QStringLiteral("BEGIN EXCLUSIVE;"));
        sql(QStringLiteral("SELECT 'locked';"));
        out << "sleep " << seconds << "\n";
        sql(QStringLiteral("COMMIT;"));
        out << "sleep 0.3\n";
    };
    out << "{\n";
    sql(QStringLiteral(".timeout 20000"));
    sql(QStringLiteral("SELECT 'count', count(*) FROM tblflashcards;"));
    for (int cycle = 0; cycle < 4; ++cycle) {
        while (rows < poolSize)
            counted(QStringLiteral("INSERT INTO tblflashcards VALUES ('%1');").arg(word(rows++)), 0.03);
        while (rows > 0)
            counted(QStringLiteral("DELETE FROM tblflashcards WHERE cardname = '%1';").arg(word(--rows)), 0.03);
        out << "sleep 0.3\n";
        while (rows < firstRows)
            counted(QStringLiteral("INSERT INTO tblflashcards VALUES ('%1');").arg(word(rows++)), 0.03);
        sql(QStringLiteral("ALTER TABLE tblflashcards RENAME TO tblputaside;"));
        out << "sleep 0.4\n";
        sql(QStringLiteral("ALTER TABLE tblputaside RENAME TO tblflashcards;"));
        // Longer than the card store waits, then shorter.
        lock(cycle % 2 == 0 ? 3.0 : 1.0);
    }
    sql(QStringLiteral(".quit"));
    out << "} | sqlite3 \"$1\"\n";
    return script;
}

} // namespace

class LiveEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsWhileAnotherProcessEdits_showOnlyRealCounts()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            QSKIP("the sqlite3 command-line tool is not installed");
        // Thousands of draws meet the same few faults: keep the log short.
        QLoggingCategory::setFilterRules(QStringLiteral("pomwit.*=false"));
        constexpr int firstRows = 12;
        constexpr int poolSize = 30;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList pool;
        for (int i = 0; i < poolSize; ++i)
            pool << word(i);
        QVERIFY(writeCardSet(dir.path(), pool.mid(0, firstRows)));
        QVERIFY(writePictures(dir.path(), pool));

        QTemporaryDir scripts;
        const QString scriptPath = scripts.path() + QStringLiteral("/editor.sh");
        {
            QFile script(scriptPath);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(editorScript(firstRows, poolSize).toUtf8());
        }
        QProcess editor;
        editor.setProcessChannelMode(QProcess::MergedChannels);

        TestServices services(dir.path());
        QRandomGenerator generator(20261206);
        services.services.randomFraction = [&generator] { return generator.generateDouble(); };
        Forms forms(services.services);
        frmCard &card = forms.card();
        forms.main().cmdStartFlash_Click();
        QVERIFY(card.isShown());
        auto *panel = card.window()->findChild<QLabel *>(QStringLiteral("panel1"));

        editor.start(QStringLiteral("bash"), {scriptPath, dir.path() + QStringLiteral("/pomwit.mdb")});
        QVERIFY(editor.waitForStarted());

        struct Shown
        {
            int position;
            int count;
        };
        QList<Shown> shown;
        int draws = 0;
        int lockedMessages = 0;
        int locksSurvived = 0;
        bool waitingAfterLock = false;
        qint64 slowest = 0;
        QElapsedTimer run;
        run.start();
        while ((editor.state() != QProcess::NotRunning || shown.size() < minimumDraws) && !run.hasExpired(runLimitMs)) {
            const qsizetype before = services.messages->messages.size();
            QElapsedTimer timer;
            timer.start();
            card.cmdnextcard_Click();
            slowest = qMax(slowest, timer.elapsed());
            ++draws;
            QVERIFY(card.isShown());
            bool drawn = true;
            for (qsizetype i = before; i < services.messages->messages.size(); ++i) {
                const QString &text = services.messages->messages.at(i).text;
                if (text == QLatin1String(frmCard::reshuffleNotice))
                    continue;
                drawn = false;
                if (text.contains(QLatin1String("locked by another program"))) {
                    ++lockedMessages;
                    waitingAfterLock = true;
                }
            }
            if (drawn) {
                const QStringList parts = panel->text().split(QLatin1Char('/'));
                QCOMPARE(parts.size(), 2);
                shown.append({parts[0].toInt(), parts[1].toInt()});
                if (waitingAfterLock) {
                    ++locksSurvived;
                    waitingAfterLock = false;
                }
            }
            // Keep the recorded messages small over thousands of draws.
            if (services.messages->messages.size() > 1000)
                services.messages->messages.clear();
            QCoreApplication::processEvents();
        }
        if (editor.state() != QProcess::NotRunning)
            QVERIFY2(editor.waitForFinished(5000), "the editing process did not end");
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        const QString history = QString::fromUtf8(editor.readAll());

        QSet<int> counts;
        const auto locks = history.count(QLatin1String("\nlocked"));
        for (const QString &line : history.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("count|")))
                counts.insert(line.mid(6).toInt());
        }
        qInfo("draws %d, shown %lld, locks held %lld, locked messages %d, locks survived %d, slowest draw %lld ms, "
              "counts seen %lld",
              draws, qint64(shown.size()), qint64(locks), lockedMessages, locksSurvived, slowest, qint64(counts.size()));

        QVERIFY2(shown.size() >= minimumDraws, qPrintable(QString::number(shown.size())));
        QVERIFY2(counts.contains(0) && counts.contains(poolSize), qPrintable(history.left(2000)));
        QVERIFY2(slowest < drawLimitMs, qPrintable(QString::number(slowest)));
        for (const Shown &s : std::as_const(shown)) {
            QVERIFY2(counts.contains(s.count), qPrintable(QStringLiteral("%1/%2").arg(s.position).arg(s.count)));
            QVERIFY2(s.position >= 0 && s.position < s.count, qPrintable(QStringLiteral("%1/%2").arg(s.position).arg(s.count)));
        }
        QVERIFY(lockedMessages >= 1);
        QVERIFY(locksSurvived >= 1);

        forms.main().mnuExit_Click(0);
        QCOMPARE(forms.loadedCount(), 0);
    }
};

QTEST_MAIN(LiveEditsTest)
#include "tst_liveedits.moc"
