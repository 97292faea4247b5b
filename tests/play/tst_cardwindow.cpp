// The card window offscreen, on real card sets in a temporary application
// folder: what only the window shows. The play rules are tested in tst_play.

#include "app/forms.h"
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

// Types each character as one key press, as the keyboard would.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key(c.toUpper().unicode()), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

struct Game
{
    QTemporaryDir dir;
    TestServices services{dir.path()};
    QList<double> fractions;
    std::unique_ptr<Forms> forms;

    explicit Game(const QStringList &words = {QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")})
    {
        writeCardSet(dir.path(), words);
        services.services.randomFraction = [this] { return fractions.isEmpty() ? 0.0 : fractions.takeFirst(); };
    }
    void open()
    {
        if (!forms)
            forms = std::make_unique<Forms>(services.services);
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
    const QList<ShownMessage> &messages() const { return services.messages->messages; }
    void next() { control<QPushButton>("cmdnextcard")->click(); }
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
        const QStringList statuses{QStringLiteral("2/3"), QStringLiteral("0/3"), QStringLiteral("1/3")};
        for (const QString &status : statuses) {
            typeText(game.control("txtanswerbox"), QStringLiteral("z"));
            game.control<QPushButton>("cmdshowword")->click();
            game.next();
            QCOMPARE(game.status(), status);
            QVERIFY(game.answer().isEmpty());
            QCOMPARE(QApplication::focusWidget(), game.control("txtanswerbox"));
        }
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().title, QStringLiteral("Pomwit"));
        QCOMPARE(game.messages().first().text,
                 QStringLiteral("All cards have been played.  Click OK to reshuffle the stack."));
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
        typeText(game.control("txtanswerbox"), keys);
        if (then)
            QTest::keyClick(game.control("txtanswerbox"), Qt::Key(then));
        QCOMPARE(game.box(), box);
        QCOMPARE(said.size(), phrases);
        QCOMPARE(said.first().first().toString(), QStringLiteral("a for apple"));
        QVERIFY(game.status().isEmpty());
    }

    void showWord_revealsSpeaksAndFocusesNextCard()
    {
        Game game;
        game.open();
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(said.size(), 1);
        QCOMPARE(said.first().first().toString(), QStringLiteral("a for apple"));
        QCOMPARE(QApplication::focusWidget(), game.control("cmdnextcard"));
    }

    void shortcuts_workFromTheAnswerBox_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Ctrl+N draws") << QKeySequence(Qt::CTRL | Qt::Key_N) << QStringLiteral("2/3") << QString();
        QTest::newRow("Ctrl+S reveals") << QKeySequence(Qt::CTRL | Qt::Key_S) << QString() << QStringLiteral("apple");
        QTest::newRow("Esc draws") << QKeySequence(Qt::Key_Escape) << QStringLiteral("2/3") << QString();
    }
    void shortcuts_workFromTheAnswerBox()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, status);
        QFETCH(QString, answer);
        Game game;
        game.open();
        game.fractions = {0.9};
        typeText(game.control("txtanswerbox"), QStringLiteral("x"));
        QTest::keySequence(game.window(), keys);
        QCOMPARE(game.status(), status);
        QCOMPARE(game.answer(), answer);
        QCOMPARE(game.box(), QStringLiteral("x")); // the key never reached the key check
    }

    void playAndVoice_outliveTheWindow()
    {
        Game game;
        game.open();
        game.next();
        game.next();
        game.control<QPushButton>("cmdshowword")->click();
        const SpeakingVoice *voice = game.card().play().voice();
        QVERIFY(voice);
        game.control<QPushButton>("cmdExit")->click();
        QCOMPARE(game.card().state(), Form::State::NotLoaded);
        QCOMPARE(game.forms->main().state(), Form::State::LoadedShown);

        game.open();
        QCOMPARE(game.card().play().scurrword(), QStringLiteral("apple"));
        QVERIFY(game.messages().isEmpty());
        game.next(); // 2 + 1 = 3 draws
        QCOMPARE(game.messages().size(), 1);
        game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.card().play().voice(), voice);
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
        for (int i = 0; i < 2; ++i)
            game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().title, QStringLiteral("Pomwit"));
        QCOMPARE(game.messages().first().text, QStringLiteral("Sound is not available, so the words are shown but not spoken."));
        QCOMPARE(game.messages().first().icon, QMessageBox::Information);
    }

    void missingPicture_isANoteThatNamesTheFileOnceTheWordIsFound()
    {
        Game game;
        QVERIFY(QFile::remove(game.dir.path() + QStringLiteral("/pictures/apple.bmp")));
        game.open();
        auto *note = game.control<QLabel>("note");
        QCOMPARE(note->toolTip(), QStringLiteral("This card's picture cannot be shown. Show Word tells which file it is."));
        QVERIFY(!note->text().contains(QStringLiteral("apple")));
        QVERIFY(!game.control<QLabel>("imgcardpic")->pixmap().isNull());
        QVERIFY(game.messages().isEmpty());
        typeText(game.control("txtanswerbox"), QStringLiteral("a"));
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QVERIFY(note->toolTip().contains(QStringLiteral("apple.bmp")));
        game.fractions = {0.5};
        game.next();
        QVERIFY(game.control<QLabel>("note")->toolTip().isEmpty());
    }
};

QTEST_MAIN(CardWindowTest)
#include "tst_cardwindow.moc"
