// The card window offscreen, on real card sets in a temporary application
// folder: what only the window shows. The play rules are tested in tst_play.

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "play/cardsession.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

using Act = std::function<void(Game &)>;

} // namespace

Q_DECLARE_METATYPE(Act)

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
            game.click("cmdnextcard"); // carried out once the word has been said
            QTRY_COMPARE(game.status(), status);
            QVERIFY(game.answer().isEmpty());
            QCOMPARE(QApplication::focusWidget(), game.control("txtanswerbox"));
        }
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().title, QStringLiteral("Pomwit"));
        QCOMPARE(game.messages().first().text, QStringLiteral("All cards have been played.  Click OK to reshuffle the stack."));
        QCOMPARE(game.messages().first().icon, QMessageBox::NoIcon);
        QCOMPARE(game.card().session().allcardsplayed(), 0);
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
        QTRY_COMPARE(game.box(), box);
        QTRY_COMPARE(said.size(), phrases);
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
        QCOMPARE(game.card().session().scurrword(), QStringLiteral("apple"));
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
    void soundProblem_isToldOnceAndTheWordStillShows_data()
    {
        QTest::addColumn<QString>("language"); // of the card set
        QTest::addColumn<int>("played");
        QTest::addColumn<QString>("message");
        QTest::newRow("no sound") << QString() << 2
                                  << QStringLiteral("Sound is not available, so the words are shown but not spoken.");
        QTest::newRow("no voice speaks the card set's language")
            << QStringLiteral("zu") << 0
            << QStringLiteral("No voice on this computer speaks Zulu (zu), the language of the card set, so the words are "
                              "shown but not spoken. Set the card set's language with pomwit-cards language.");
    }
    void soundProblem_isToldOnceAndTheWordStillShows()
    {
        QFETCH(QString, language);
        QFETCH(int, played);
        QFETCH(QString, message);
        Game game;
        if (language.isEmpty())
            game.services.audio->failWith = message;
        else
            QVERIFY(setCardSetLanguage(game.dir.path(), language));
        game.open();
        game.click("cmdshowword");
        game.click("cmdshowword");
        QTRY_COMPARE(game.services.audio->played.size(), played);
        QTRY_VERIFY(!game.card().session().isSpeaking());
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().title, QStringLiteral("Pomwit"));
        QCOMPARE(game.messages().first().text, message);
        QCOMPARE(game.messages().first().icon, QMessageBox::Information);
    }

    // A dead key and its letter, or an input method's letter, come as one commit.
    void inputMethodCommit_isAKeyPress()
    {
        Game game;
        game.open();
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("A"));
        QApplication::sendEvent(game.control("txtanswerbox"), &commit);
        QTRY_COMPARE(said.size(), 1);
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(game.box(), QStringLiteral("A"));
    }

    // While a phrase is said the window takes no input; what came meanwhile
    // is carried out afterwards, in order.
    void input_duringAPhrase_isCarriedOutAfterwardsInOrder_data()
    {
        QTest::addColumn<Act>("meanwhile");
        QTest::addColumn<QStringList>("phrases"); // said after the first, in order
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("Next Card, then the new card's letter") << Act([](Game &g) {
            g.click("cmdnextcard");
            g.type(QStringLiteral("c"));
        }) << QStringList{QStringLiteral("c for cat")} << QStringLiteral("2/3") << true;
        QTest::newRow("a letter, Ctrl+N, Show Word") << Act([](Game &g) {
            g.type(QStringLiteral("a"));
            QTest::keySequence(g.window(), QKeySequence(Qt::CTRL | Qt::Key_N));
            g.click("cmdshowword");
        }) << QStringList{QStringLiteral("a for apple"), QStringLiteral("c for cat")} << QStringLiteral("2/3") << true;
        QTest::newRow("the close box waits for the end") << Act([](Game &g) {
            g.window()->close();
        }) << QStringList() << QString() << false;
        QTest::newRow("Exit waits for the end") << Act([](Game &g) {
            g.click("cmdExit");
        }) << QStringList() << QString() << false;
    }
    void input_duringAPhrase_isCarriedOutAfterwardsInOrder()
    {
        QFETCH(Act, meanwhile);
        QFETCH(QStringList, phrases);
        QFETCH(QString, status);
        QFETCH(bool, loaded);
        Game game;
        game.open();
        game.fractions = {0.9};
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        auto &audio = *game.services.audio;
        audio.holding = true;
        game.type(QStringLiteral("a"));
        meanwhile(game);
        // Nothing has happened yet.
        QCOMPARE(said.size(), 1);
        QVERIFY(game.status().isEmpty());
        QVERIFY(game.card().isLoaded());
        for (const QString &phrase : phrases) {
            audio.finish();
            QTRY_COMPARE(said.size(), phrases.indexOf(phrase) + 2);
            QCOMPARE(said.last().first().toString(), phrase);
        }
        audio.finish();
        QTRY_COMPARE(game.card().isLoaded(), loaded);
        QTest::qWait(20);
        QCOMPARE(said.size(), phrases.size() + 1);
        if (loaded)
            QCOMPARE(game.status(), status);
        else
            QVERIFY(game.forms->main().isShown());
    }

    // A recording that cannot be played is told once; one that plays is
    // stopped by every way out instead of waited for.
    void recording_brokenIsToldOnce_playingIsStoppedByTheWayOut()
    {
        Game game;
        const QString path = game.dir.path() + QStringLiteral("/pictures/apple.ogg");
        QVERIFY(writeFile(path, oggTone(600).left(2000)));
        game.open();
        game.click("cmdshowword");
        QTRY_VERIFY(!game.card().session().isSpeaking());
        game.click("cmdshowword");
        QTRY_COMPARE(game.services.audio->played.size(), 2);
        QTRY_VERIFY(!game.card().session().isSpeaking());
        QCOMPARE(game.messages().size(), 1);
        QCOMPARE(game.messages().first().text,
                 QStringLiteral("This card's recording \"%1\" cannot be played (it is damaged or cut short), so the voice "
                                "says the word instead. Record the word again, or remove the recording.").arg(path));
        QVERIFY(writeFile(path, oggTone(600)));
        game.services.audio->holding = true;
        for (const Act &out : {Act([](Game &g) { g.click("cmdExit"); }), Act([](Game &g) { g.window()->close(); }),
                               Act([](Game &g) { g.window()->findChild<QAction *>(QStringLiteral("Exit"))->trigger(); })}) {
            game.open();
            game.type(QStringLiteral("a"));
            QVERIFY(game.card().session().isPlayingRecording());
            out(game);
            QTRY_COMPARE(game.card().state(), Form::State::NotLoaded);
            QVERIFY(!game.card().session().isSpeaking());
        }
    }

    // A toddler's Alt leaves the menu bar holding the keyboard: the next
    // letter still reaches the card, and the menus' own letters open them.
    void menuBar_touchedByAlt_letsLettersThrough_data()
    {
        QTest::addColumn<Act>("touch");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Alt tapped") << Act([](Game &g) {
            QTest::keyClick(g.control("txtanswerbox"), Qt::Key_Alt);
        }) << QStringLiteral("apple");
        QTest::newRow("Alt+F, then Esc") << Act([](Game &g) {
            QTest::keyClick(g.control("txtanswerbox"), Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        }) << QStringLiteral("apple");
        QTest::newRow("Alt, then H opens Help") << Act([](Game &g) {
            QTest::keyClick(g.control("txtanswerbox"), Qt::Key_Alt);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_H);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }) << QStringLiteral("apple");
    }
    void menuBar_touchedByAlt_letsLettersThrough()
    {
        QFETCH(Act, touch);
        QFETCH(QString, answer);
        Game game;
        game.open();
        touch(game);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::NoModifier);
        QTRY_COMPARE(game.answer(), answer);
        QCOMPARE(QApplication::focusWidget(), game.control("txtanswerbox"));
    }

    // Full Screen is an addition: after the designed entries, so that their keys stay.
    void fileMenu_keepsItsDesignedOrder()
    {
        Game game;
        game.open();
        QStringList entries;
        for (const QAction *action : game.window()->findChild<QMenu *>(QStringLiteral("File"))->actions())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(entries, (QStringList{QStringLiteral("Next Word"), QStringLiteral("Show Word"),
                                       QStringLiteral("E&xit to Main Menu"), QStringLiteral("-"), QStringLiteral("Full Screen")}));
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
