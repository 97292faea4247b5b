// Full-screen play offscreen: keys, clicks, messages and the way out, on a
// real card set; pauses shortened to nothing, the desktop's buses private.

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "play/cardsession.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QList<uint> held;
public slots: // cookies from 7 on
    uint Inhibit(const QString &, const QString &) { return held.emplace_back(uint(held.size() + 7)); }
    void UnInhibit(uint cookie) { held.removeAll(cookie); }
};

void send(QWidget *to, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = {}, const QString &text = {},
          bool repeat = false, quint64 time = 0)
{
    QKeyEvent event(type, key, modifiers, text, repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

struct Game
{
    QTemporaryDir dir;
    TestServices services{dir.path()};
    std::shared_ptr<RecordingAudioOutput> audio = services.audio;
    std::unique_ptr<ProgramWindows> forms;
    QStringList said;

    Game()
    {
        writeCardSet(dir.path(), {QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")});
        services.services.randomFraction = [] { return 0.0; };
        forms = std::make_unique<ProgramWindows>(services.services);
        FullScreenSettings &settings = card().fullScreenSettings();
        settings.messagePause = settings.leaveHold = std::chrono::milliseconds(0);
        settings.nextCardPause = std::chrono::hours(1);
        settings.claimFolder = dir.path();
        settings.sessionBus = settings.systemBus = [] { return QDBusConnection(QStringLiteral("none")); };
    }
    frmCard &card() const { return forms->card(); }
    FullScreenView *view() const { return card().fullScreenView(); }
    QString label(const char *name) const { return view()->findChild<QLabel *>(QLatin1String(name))->text(); }
    // The card window, then F11 in its answer box.
    void enter()
    {
        forms->main().cmdStartFlash_Click();
        QVERIFY(QTest::qWaitForWindowActive(card().window()));
        QTest::keyClick(card().window()->findChild<QLineEdit *>(QStringLiteral("txtanswerbox")), Qt::Key_F11);
        QVERIFY(view());
        QVERIFY(QTest::qWaitForWindowActive(view()));
        QObject::connect(view(), &FullScreenView::phraseSaid, view(), [this](const QString &p) { said << p; });
    }
    void chord(bool release = false)
    {
        send(view(), QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
        send(view(), QEvent::KeyPress, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
        send(view(), QEvent::KeyPress, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier, {}, false, 10);
        if (release)
            send(view(), QEvent::KeyRelease, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier, {}, false, 20);
    }
};

using Act = std::function<void(Game &)>;

} // namespace

class FullScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void rightKey_revealsSpeaksAndTheNextCardComesByItself()
    {
        Game game;
        game.card().fullScreenSettings().nextCardPause = std::chrono::milliseconds(0);
        game.enter();
        QVERIFY(game.view()->isFullScreen());
        QVERIFY(!game.card().window()->isVisible());
        // Until the word is found, no text or name in the view gives it away.
        for (QWidget *widget : game.view()->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(widget);
            QVERIFY(!(label ? label->text() : QString()).contains(QStringLiteral("apple")));
            QVERIFY(!widget->accessibleName().contains(QStringLiteral("apple")));
        }
        send(game.view(), QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
        QCOMPARE(game.label("word"), QStringLiteral("apple"));
        QCOMPARE(game.view()->findChild<QLabel *>(QStringLiteral("picture"))->accessibleName(), QStringLiteral("apple"));
        QCOMPARE(game.said, QStringList{QStringLiteral("a for apple")});
        QTRY_COMPARE(game.label("status"), QStringLiteral("1/3"));
        QVERIFY(game.label("word").isEmpty());
        // Offscreen nothing can be held, and the grown-up is told so.
        QVERIFY(game.label("lockReport").contains(QStringLiteral("Alt+Tab")));
    }

    void keys_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<int>("phrases");
        QTest::addColumn<QString>("status");
        const Act right = [](Game &g) { send(g.view(), QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a"), false, 100); };
        QTest::newRow("F11, Ctrl+N, Ctrl+S, desktop chords and the window's keys do nothing") << Act([](Game &g) {
            for (const QKeyCombination keys : {Qt::Key_F11 | Qt::NoModifier, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_S, Qt::ALT | Qt::Key_F4,
                                               Qt::CTRL | Qt::Key_Q, Qt::Key_Tab | Qt::NoModifier, Qt::ALT | Qt::Key_N, Qt::Key_Menu | Qt::NoModifier})
                QTest::keySequence(g.view(), keys);
        }) << 0 << QString();
        QTest::newRow("a click on the picture draws, others do not") << Act([](Game &g) {
            auto *picture = g.view()->findChild<QLabel *>(QStringLiteral("picture"));
            QTest::mouseClick(picture, Qt::RightButton);
            QTest::mouseClick(picture, Qt::MiddleButton);
            QTest::mouseClick(picture, Qt::LeftButton);
        }) << 0 << QStringLiteral("1/3");
        QTest::newRow("a flagged repeat is dropped") << Act([right](Game &g) {
            right(g);
            send(g.view(), QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a"), true, 130);
        }) << 1 << QString();
        QTest::newRow("an X11 repeat, release and press at once, is dropped") << Act([right](Game &g) {
            right(g);
            send(g.view(), QEvent::KeyRelease, Qt::Key_A, {}, QStringLiteral("a"), false, 600);
            send(g.view(), QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a"), false, 600);
        }) << 1 << QString();
        QTest::newRow("keys pressed while speaking are dropped") << Act([right](Game &g) {
            g.audio->holding = true;
            right(g);
            send(g.view(), QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a"), false, 900);
            g.audio->finish();
        }) << 1 << QString();
    }
    void keys()
    {
        QFETCH(Act, act);
        QFETCH(int, phrases);
        QFETCH(QString, status);
        Game game;
        game.enter();
        act(game);
        QCoreApplication::processEvents();
        QCOMPARE(game.said.size(), phrases);
        QCOMPARE(game.label("status"), status);
        QVERIFY(game.view() && game.view()->isVisible());
        QVERIFY(game.services.messages->messages.isEmpty());
    }

    void messages_areShownInsideTheViewAndKeysCannotDismissThem_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stays");
        QTest::newRow("reshuffle notice, then play goes on") << Act([](Game &g) {
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(g.view(), Qt::Key_Escape);
        }) << QStringLiteral("All cards have been played. The stack is shuffled again.") << false;
        QTest::newRow("sound, told once") << Act([](Game &g) {
            g.audio->failWith = QStringLiteral("Sound is not available, so the words are shown but not spoken.");
            send(g.view(), QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a"));
        }) << QStringLiteral("Sound is not available, so the words are shown but not spoken.") << false;
        QTest::newRow("card set gone, told until it is back") << Act([](Game &g) {
            QFile::remove(g.dir.path() + QStringLiteral("/pomwit.mdb"));
            QTest::keyClick(g.view(), Qt::Key_Escape);
        }) << QStringLiteral("pomwit.mdb") << true;
    }
    void messages_areShownInsideTheViewAndKeysCannotDismissThem()
    {
        QFETCH(Act, act);
        QFETCH(QString, text);
        QFETCH(bool, stays);
        Game game;
        // Long enough to be seen: the sound's message comes once the phrase has ended.
        game.card().fullScreenSettings().messagePause = std::chrono::milliseconds(300);
        game.enter();
        act(game);
        auto *message = game.view()->findChild<QLabel *>(QStringLiteral("message"));
        QTRY_VERIFY2(message->isVisible() && message->text().contains(text), qPrintable(message->text()));
        const QString status = game.label("status");
        const qsizetype said = game.said.size();
        // Unread: no draw, no word.
        QTest::keyClick(game.view(), Qt::Key_Escape);
        send(game.view(), QEvent::KeyPress, Qt::Key_unknown, {}, game.card().session().cwatchkey());
        QCOMPARE(game.label("status"), status);
        QCOMPARE(game.said.size(), said);
        QTRY_COMPARE(message->isVisible(), stays);
        QVERIFY(game.services.messages->messages.isEmpty());
        QVERIFY(game.view()->isVisible());
        QCOMPARE(game.card().session().allcardsplayed() < 3, true);
    }

    void leaveChord_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("held long enough") << Act([](Game &g) { g.chord(); }) << true;
        QTest::newRow("held through its own X11 repeats") << Act([](Game &g) {
            g.chord();
            send(g.view(), QEvent::KeyRelease, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier, {}, false, 40);
            send(g.view(), QEvent::KeyPress, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier, {}, false, 40);
        }) << true;
        QTest::newRow("released too early") << Act([](Game &g) { g.chord(true); }) << false;
        QTest::newRow("another key cancels") << Act([](Game &g) {
            g.chord();
            send(g.view(), QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("X"));
        }) << false;
        QTest::newRow("a palm on F11 and F12") << Act([](Game &g) {
            send(g.view(), QEvent::KeyPress, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
            g.chord();
        }) << false;
        QTest::newRow("Ctrl alone with F12") << Act([](Game &g) {
            send(g.view(), QEvent::KeyPress, Qt::Key_F12, Qt::ControlModifier);
        }) << false;
    }
    void leaveChord()
    {
        QFETCH(Act, act);
        QFETCH(bool, leaves);
        Game game;
        game.enter();
        // Played on without keys, which would count as a palm so shortly before: a click
        // draws, the input method's commit finds the word.
        QTest::mouseClick(game.view()->findChild<QLabel *>(QStringLiteral("picture")), Qt::LeftButton);
        QInputMethodEvent found;
        found.setCommitString(QStringLiteral("b"));
        QApplication::sendEvent(game.view(), &found);
        act(game);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(!game.view(), leaves);
        if (!leaves)
            return;
        // Back in the designed window, on the card full screen showed, found.
        QVERIFY(game.card().window()->isVisible());
        QCOMPARE(game.card().window()->findChild<QLabel *>(QStringLiteral("panel1"))->text(), QStringLiteral("1/3"));
        QCOMPARE(game.card().window()->findChild<QLabel *>(QStringLiteral("lblAnswer"))->text(), QStringLiteral("ball"));
    }

    // With no card to show, the card window shows none afterwards either.
    void leaving_anEmptyCardSet_showsNoCard()
    {
        Game game;
        QVERIFY(editCardDatabase(game.dir.path(), QStringLiteral("DELETE FROM tblflashcards")));
        game.enter();
        game.chord();
        QTRY_VERIFY(!game.view());
        QWidget *window = game.card().window();
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("imgcardpic"))->pixmap().isNull());
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("note"))->text().isEmpty());
    }

    void screenSaver_isHeldOffWhileFullScreen()
    {
        QProcess daemon;
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!daemon.waitForReadyRead(5000))
            QSKIP("dbus-daemon is not installed");
        const QString address = QString::fromUtf8(daemon.readLine().trimmed());
        QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("screensaver"));
        FakeScreenSaver saver;
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        {
            Game game;
            game.card().fullScreenSettings().sessionBus = [address] { return QDBusConnection::connectToBus(address, QStringLiteral("pomwit")); };
            game.enter();
            QTRY_COMPARE(saver.held.size(), 1);
            game.chord();
            QTRY_VERIFY(!game.view());
            QTRY_VERIFY(saver.held.isEmpty());
            game.forms->card().mnuFullScreen_Click();
            QTRY_COMPARE(saver.held.size(), 1);
        } // the program ends full screen
        QTRY_VERIFY(saver.held.isEmpty());
        daemon.kill();
    }

    void secondFullScreen_isRefused()
    {
        Game game;
        QLockFile other(game.dir.path() + QStringLiteral("/pomwit-fullscreen.lock"));
        QVERIFY(other.tryLock(0));
        game.forms->main().cmdStartFlash_Click();
        game.card().mnuFullScreen_Click();
        QVERIFY(!game.view());
        QCOMPARE(game.services.messages->messages.size(), 1);
        QCOMPARE(game.services.messages->messages.first().text, QStringLiteral("Another Pomwit is playing full screen on this desktop."));
    }

    void sessionKind_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("variable"); // set to "wayland-0", the others unset
        QTest::addColumn<SessionKind>("kind");
        QTest::newRow("X11") << QStringLiteral("xcb") << QString() << SessionKind::X11;
        QTest::newRow("XWayland by session type") << QStringLiteral("xcb") << QStringLiteral("XDG_SESSION_TYPE") << SessionKind::XWayland;
        QTest::newRow("XWayland by display") << QStringLiteral("xcb") << QStringLiteral("WAYLAND_DISPLAY") << SessionKind::XWayland;
        QTest::newRow("Wayland") << QStringLiteral("wayland-egl") << QStringLiteral("WAYLAND_DISPLAY") << SessionKind::Wayland;
        QTest::newRow("offscreen") << QStringLiteral("offscreen") << QString() << SessionKind::Other;
    }
    void sessionKind()
    {
        QFETCH(QString, platform);
        QFETCH(QString, variable);
        QFETCH(SessionKind, kind);
        QProcessEnvironment env;
        env.insert(variable, variable == QLatin1String("XDG_SESSION_TYPE") ? QStringLiteral("wayland") : QStringLiteral("wayland-0"));
        QCOMPARE(::sessionKind(platform, env), kind);
        QCOMPARE(lockReport(kind, true).isEmpty(), kind == SessionKind::X11);
    }
};

QTEST_MAIN(FullScreenTest)
#include "tst_fullscreen.moc"
