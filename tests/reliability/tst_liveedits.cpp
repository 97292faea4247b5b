// The card window drawing cards as fast as it can while another process edits
// the card set as a parent's database tool would: rows come and go, the table
// goes away and comes back, and the file is locked, longer than the program
// waits and then shorter.

#include "app/forms.h"
#include "app/frmmain.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// Feeds sqlite3 one statement at a time and has it print the row count after
// every change, so that every count that ever existed is known afterwards. The
// waits that must last are sqlite3's own: its writes may wait for the reads. The
// long lock outlasts two of the program's waits, as a read begun just before it
// may spend one wait on it and then report an earlier fault.
const char *editor = R"(
count() { echo "SELECT 'count', count(*) FROM tblflashcards;"; sleep 0.03; }
{
    echo ".timeout 20000"; count
    for i in $(seq 12 29); do echo "INSERT INTO tblflashcards VALUES ('w$i');"; count; done
    for i in $(seq 29 -1 0); do echo "DELETE FROM tblflashcards WHERE cardname = 'w$i';"; count; done
    for i in $(seq 0 11); do echo "INSERT INTO tblflashcards VALUES ('w$i');"; count; done
    echo "ALTER TABLE tblflashcards RENAME TO tblputaside;"; echo ".system sleep 0.4"
    echo "ALTER TABLE tblputaside RENAME TO tblflashcards;"
    for seconds in 5 1; do echo "BEGIN EXCLUSIVE;"; echo ".system sleep $seconds"; echo "COMMIT;"; echo ".system sleep 0.5"; done
} | sqlite3 "$1"
)";

} // namespace

class LiveEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsWhileAnotherProcessEdits_showOnlyRealCounts()
    {
        // Thousands of draws meet the same few faults: keep the log short.
        QLoggingCategory::setFilterRules(QStringLiteral("pomwit.*=false"));
        QTemporaryDir dir;
        QVERIFY(editCardDatabase(dir.path(), QStringLiteral("CREATE TABLE tblflashcards AS WITH RECURSIVE n(i) AS "
                                                            "(SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 11) "
                                                            "SELECT 'w' || i AS cardname FROM n")));
        TestServices services(dir.path());
        QRandomGenerator generator(20261206);
        services.services.randomFraction = [&generator] { return generator.generateDouble(); };
        Forms forms(services.services);
        frmCard &card = forms.card();
        forms.main().cmdStartFlash_Click();
        QProcess process;
        process.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromLatin1(editor), QStringLiteral("editor"),
                                               dir.filePath(QStringLiteral("pomwit.mdb"))});
        QVERIFY(process.waitForStarted());

        QStringList shown; // position/count of every card drawn
        int locked = 0;
        bool drawnSinceLocked = false;
        const QList<ShownMessage> &messages = services.messages->messages;
        while (process.state() != QProcess::NotRunning) {
            const qsizetype before = messages.size();
            card.cmdnextcard_Click();
            QVERIFY(card.isShown());
            if (messages.size() == before || messages.last().text == QLatin1String(frmCard::reshuffleNotice)) {
                shown << card.window()->findChild<QLabel *>(QStringLiteral("panel1"))->text();
                drawnSinceLocked = locked > 0;
            } else if (messages.last().text.contains(QLatin1String("is locked by another program"))) {
                ++locked;
                drawnSinceLocked = false;
            }
            QCoreApplication::processEvents();
        }
        const QString history = QString::fromUtf8(process.readAll());
        QVERIFY2(history.contains(QLatin1String("count|0\n")) && history.contains(QLatin1String("count|30\n")),
                 qPrintable(history + QString::fromUtf8(process.readAllStandardError())));
        QVERIFY2(shown.size() >= 100, qPrintable(QString::number(shown.size())));
        for (const QString &draw : std::as_const(shown)) {
            const int position = draw.section(QLatin1Char('/'), 0, 0).toInt();
            const int count = draw.section(QLatin1Char('/'), 1).toInt();
            QVERIFY2(history.contains(QStringLiteral("count|%1\n").arg(count)) && position >= 0 && position < count,
                     qPrintable(draw));
        }
        QVERIFY2(locked >= 1 && drawnSinceLocked, qPrintable(QStringLiteral("%1 locked, then drawn: %2").arg(locked).arg(drawnSinceLocked)));
        forms.main().mnuExit_Click(0);
        QCOMPARE(forms.loadedCount(), 0);
    }
};

QTEST_MAIN(LiveEditsTest)
#include "tst_liveedits.moc"
