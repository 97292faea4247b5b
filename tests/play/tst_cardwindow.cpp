// The card window offscreen, on real card sets in a temporary application
// folder: what only the window shows. The play rules are tested in tst_play.

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "play/cardplay.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

struct Game
{
    QTemporaryDir dir;
    TestServices services{dir.path()};
    QList<double> fractions;
    std::unique_ptr<ProgramWindows> forms;

    explicit Game(const QStringList &words = {QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")})
    {
        writeCardSet(dir.path(), words);
        services.services.randomFraction = [this] { return fractions.isEmpty() ? 0.0 : fractions.takeFirst(); };
    }
    void open()
    {
        if (!forms)
            forms = std::make_unique<ProgramWindows>(services.services);
        forms->main().cmdStartFlash_Click();
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }
    frmCard &card() const { return forms->card(); }
    QWidget *window() const { return card().window(); }
    template <typename T = QWidget>
    T *control(const char *name) const { return window()->findChild<T *>(QLatin1String(name)); }
    QString status() const { return control<QLabel>("panel1")->text(); }
    QString answer() const { return control<QLabel>("lblAnswer")->text(); }
    QString box() const { return control<QLineEdit>("txtanswerbox")->text(); }
    void click(const char *button) const { control<QPushButton>(button)->click(); }
    // Each character as one key press in the answer box, as the keyboard would.
    void type(const QString &text) const
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key(c.toUpper().unicode()), Qt::NoModifier, QString(c));
            QApplication::sendEvent(control("txtanswerbox"), &press);
        }
    }
    const QList<ShownMessage> &messages() const { return services.messages->messages; }
};

} // namespace

class CardWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void nextCard_showsPositionAndTheNoticeAtTheLastCard()
    {
        Game game;
        game.open();
        game.fractions = {0.9, 0.0, 0.5};
        for (const QString &status : {QStringLiteral("2/3"), QStringLiteral("0/3"), QStringLiteral("1/3")}) {
            game.click("cmdshowword");
            game.click("cmdnextcard");
            QCOMPARE(game.status(), status);
            QVERIFY(game.answer().isEmpty());
            QCOMPARE(QApplication::focusWidget(), game.control("txtanswerbox"));
        }
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().title, QStringLiteral("Pomwit"));
        QCOMPARE(game.messages().first().text, QStringLiteral("All cards have been played.  Click OK to reshuffle the stack."));
        QCOMPARE(game.messages().first().icon, QMessageBox::NoIcon);
        QCOMPARE(game.card().play().allcardsplayed(), 0);
    }

    void keys_reachTheKeyCheckInTheAnswerBox_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("then");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("phrases");
        QTest::newRow("right keys collect and speak each time") << QStringLiteral("aA") << 0 << QStringLiteral("aA") << 2;
        QTest::newRow("a wrong key empties the box first") << QStringLiteral("ax") << 0 << QStringLiteral("x") << 1;
        QTest::newRow("Backspace is a wrong key") << QStringLiteral("aa") << int(Qt::Key_Backspace) << QString() << 2;
        QTest::newRow("Enter is a wrong key, not Next Card") << QStringLiteral("aa") << int(Qt::Key_Return) << QString() << 2;
    }
    void keys_reachTheKeyCheckInTheAnswerBox()
    {
        QFETCH(QString, keys);
        QFETCH(int, then);
        QFETCH(QString, box);
        QFETCH(int, phrases);
        Game game;
        game.open();
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        game.type(keys);
        if (then)
            QTest::keyClick(game.control("txtanswerbox"), Qt::Key(then));
        QCOMPARE(game.box(), box);
        QCOMPARE(said.size(), phrases);
        QCOMPARE(said.first().first().toString(), QStringLiteral("a for apple"));
        QVERIFY(game.status().isEmpty());
    }

    void commands_workFromTheAnswerBox_data()
    {
        QTest::addColumn<QKeySequence>("keys"); // none: a click on Show Word
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("answer"); // revealed: spoken, and Next Card has the focus
        QTest::newRow("Show Word reveals") << QKeySequence() << QString() << QStringLiteral("apple");
        QTest::newRow("Ctrl+S reveals") << QKeySequence(Qt::CTRL | Qt::Key_S) << QString() << QStringLiteral("apple");
        QTest::newRow("Ctrl+N draws") << QKeySequence(Qt::CTRL | Qt::Key_N) << QStringLiteral("2/3") << QString();
        QTest::newRow("Esc draws") << QKeySequence(Qt::Key_Escape) << QStringLiteral("2/3") << QString();
    }
    void commands_workFromTheAnswerBox()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, status);
        QFETCH(QString, answer);
        Game game;
        game.open();
        game.fractions = {0.9};
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        game.type(QStringLiteral("x"));
        if (keys.isEmpty())
            game.click("cmdshowword");
        else
            QTest::keySequence(game.window(), keys);
        QCOMPARE(game.status(), status);
        QCOMPARE(game.answer(), answer);
        QCOMPARE(game.box(), QStringLiteral("x")); // the key never reached the key check
        QCOMPARE(said.size(), answer.isEmpty() ? 0 : 1);
        QCOMPARE(QApplication::focusWidget(), game.control(answer.isEmpty() ? "txtanswerbox" : "cmdnextcard"));
    }

    // The voice's part is tst_play's: it is made once by the play that outlives the window.
    void play_outlivesTheWindow()
    {
        Game game;
        game.open();
        game.click("cmdnextcard");
        game.click("cmdnextcard");
        game.click("cmdExit");
        QCOMPARE(game.card().state(), Form::State::NotLoaded);
        game.open();
        QCOMPARE(game.card().play().scurrword(), QStringLiteral("apple"));
        game.click("cmdnextcard"); // 2 + 1 = 3 draws
        QCOMPARE(game.messages().size(), 1);
    }

    void layout_isTheDesignAndOnlyTheStatusBarFollowsAResize()
    {
        Game game;
        game.open();
        QCOMPARE(game.control("client")->size(), QSize(277, 342));
        QCOMPARE(game.control("imgcardpic")->geometry(), QRect(0, 8, 273, 217));
        QCOMPARE(game.control("lblAnswer")->geometry(), QRect(32, 224, 209, 41));
        QCOMPARE(game.control("cmdshowword")->geometry(), QRect(8, 288, 65, 25));
        QCOMPARE(game.control("cmdnextcard")->geometry(), QRect(104, 288, 65, 25));
        QCOMPARE(game.control("txtanswerbox")->geometry(), QRect(136, 288, 17, 19));
        QCOMPARE(game.control("cmdExit")->geometry(), QRect(224, 288, 49, 25));
        QCOMPARE(game.control("StatusBar")->geometry(), QRect(0, 325, 277, 17));
        game.window()->resize(game.window()->width() + 120, game.window()->height() + 80);
        QTRY_COMPARE(game.control("StatusBar")->geometry(), QRect(0, 405, 397, 17));
        QCOMPARE(game.control("cmdExit")->geometry(), QRect(224, 288, 49, 25));
    }

    // The card set's messages are tested in tst_hostilecardset; sound's is the card window's own.
    void soundProblem_isToldOnceAndTheWordStillShows()
    {
        Game game;
        game.services.audio->failWith = QStringLiteral("Sound is not available, so the words are shown but not spoken.");
        game.open();
        game.click("cmdshowword");
        game.click("cmdshowword");
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().title, QStringLiteral("Pomwit"));
        QCOMPARE(game.messages().first().text, QStringLiteral("Sound is not available, so the words are shown but not spoken."));
        QCOMPARE(game.messages().first().icon, QMessageBox::Information);
    }

    // A button's delayed click (its access key) can come while a phrase plays.
    void commands_whileAPhrasePlays_doNothing()
    {
        Game game;
        game.open();
        const QString status = game.status();
        game.services.audio->whilePlaying = [&game] { game.click("cmdnextcard"), game.click("cmdshowword"); };
        game.type(QStringLiteral("a"));
        QCOMPARE(game.status(), status);
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(game.services.audio->played.size(), 1);
    }

    // The note itself is tested in tst_hostilecardset; here, that it keeps the answer until it is found.
    void missingPicture_namesTheFileOnlyOnceTheWordIsFound()
    {
        Game game;
        QVERIFY(QFile::remove(game.dir.path() + QStringLiteral("/pictures/apple.bmp")));
        game.open();
        auto *note = game.control<QLabel>("note");
        QVERIFY(!note->text().isEmpty() && !note->text().contains(QStringLiteral("apple")));
        game.type(QStringLiteral("a"));
        QVERIFY(note->toolTip().contains(QStringLiteral("apple.bmp")));
    }
};

QTEST_MAIN(CardWindowTest)
#include "tst_cardwindow.moc"
