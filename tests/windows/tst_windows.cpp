// The options window over a scripted engine selector, and once over the real
// voices; the about window with a scripted pointer and web browser.

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "deck/cardseteditor.h"
#include "legacyfixtures.h"
#include "play/frmcard.h"
#include "speech/engineselector.h"
#include "speech/speechsystem.h"
#include "speech/voices.h"
#include "speech/voicechoice.h"
#include "testsupport.h"
#include "windows/frmabout.h"
#include "windows/frmoptions.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// What a scripted selector offers ("Voice 1" to "Voice <count>"), and its calls.
struct Script
{
    qint32 count = 0, lookup = 0, current = 0;
    bool countFails = false;
    QStringList calls;
};

class ScriptedSelector : public EngineSelector
{
public:
    ScriptedSelector(QWidget *parent, Script &script) : EngineSelector(parent), s(script) {}

    SpeechResult<qint32> Find(const QString &attributes) override { return log(QStringLiteral("Find(%1)").arg(attributes), s.lookup); }
    SpeechResult<> Select(qint32 mode) override { return choose(QStringLiteral("Select(%1)").arg(mode), mode); }
    SpeechResult<qint32> CountEngines() override
    {
        if (log(QStringLiteral("CountEngines"), s.countFails))
            return SpeechError{SpeechError::Kind::NoEngine, QStringLiteral("The voices are locked.")};
        return s.count;
    }
    SpeechResult<QString> ModeName(qint32 mode) override { return QStringLiteral("Voice %1").arg(mode); }
    SpeechResult<qint32> CurrentMode() override { return s.current; }
    SpeechResult<> setCurrentMode(qint32 mode) override { return choose(QStringLiteral("setCurrentMode(%1)").arg(mode), mode); }

private:
    template <typename T> T log(const QString &call, T value) { s.calls.append(call); return value; }
    SpeechResult<> choose(const QString &call, qint32 mode)
    {
        if (log(call, mode < 1 || mode > s.count))
            return SpeechError{SpeechError::Kind::NoSuchMode, QStringLiteral("There is no mode %1.").arg(mode)};
        s.current = mode;
        return Done{};
    }

    Script &s;
};

// The pointer and the web browser of a scripted desktop.
struct Desktop : PointerPosition, UrlOpener
{
    QPoint globalPosition() const override { return position; }
    bool open(const QUrl &url) override { opened.append(url); return false; } // the result must not matter
    QPoint position{-10000, -10000};
    QList<QUrl> opened;
};

// The program on a small card set, its engine selector scripted unless told otherwise.
struct Program
{
    QTemporaryDir dir;
    Script script;
    std::shared_ptr<Desktop> desktop = std::make_shared<Desktop>();
    testsupport::TestServices test{dir.path()};
    std::unique_ptr<ProgramWindows> forms;

    explicit Program(bool scripted = true)
    {
        testsupport::writeCardSet(dir.path(), {QStringLiteral("apple")});
        test.services.pointer = desktop;
        test.services.urls = desktop;
        if (scripted)
            test.services.makeEngineSelector = [this](std::shared_ptr<VoiceChoice>, QWidget *parent) {
                return new ScriptedSelector(parent, script);
            };
        forms = std::make_unique<ProgramWindows>(test.services);
    }

    QComboBox *list() { return forms->options().window()->findChild<QComboBox *>(QStringLiteral("cmbvoice")); }
    QComboBox *languages() { return forms->options().window()->findChild<QComboBox *>(u"cmblanguage"_s); }
    template <typename T> T *about(const char *name) { return forms->about().window()->findChild<T *>(QLatin1String(name)); }
    QLabel *link() { return about<QLabel>("lbhyperlink"); }

    // A mouse event on the link, as the windowing system delivers it (a
    // pressed link keeps getting the pointer's moves), the pointer there too.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        desktop->position = link()->mapToGlobal(at);
        QMouseEvent event(type, QPointF(at), QPointF(desktop->position), button, held, Qt::NoModifier);
        QApplication::sendEvent(link(), &event);
    }
};

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void options_listsAndMarksTheCurrentMode_data()
    {
        QTest::addColumn<qint32>("count");
        QTest::addColumn<qint32>("lookup");
        QTest::addColumn<qint32>("current");
        QTest::addColumn<bool>("countFails");
        QTest::addColumn<int>("marked");
        QTest::newRow("three modes, lookup finds 2: second marked, written back") << 3 << 2 << 0 << false << 1;
        QTest::newRow("lookup finds nothing, current 3: third marked, no message") << 3 << 0 << 3 << false << 2;
        QTest::newRow("current past the count: nothing marked or written") << 3 << 0 << 4 << false << -1;
        QTest::newRow("no modes, current 0: the note") << 0 << 0 << 0 << false << -1;
        QTest::newRow("40000 modes, current 32767: the last one listed") << 40000 << 0 << 32767 << false << 32766;
        QTest::newRow("70000 modes, current 65538: its position overflows 16 bits, nothing marked") << 70000 << 0 << 65538 << false << -1;
        QTest::newRow("the count cannot be read: the message and why") << 3 << 2 << 0 << true << -1;
    }
    void options_listsAndMarksTheCurrentMode()
    {
        QFETCH(qint32, count);
        QFETCH(qint32, lookup);
        QFETCH(qint32, current);
        QFETCH(bool, countFails);
        QFETCH(int, marked);
        Program p;
        p.script = {count, lookup, current, countFails, {}};

        p.forms->options().Show();

        // The lookup's mode is selected before the list is read.
        QCOMPARE(p.script.calls.mid(0, 3), (QStringList{QStringLiteral("Find(Mfg=Microsoft;Gender=1)"),
                                                        QStringLiteral("Select(%1)").arg(lookup), QStringLiteral("CountEngines")}));
        const int listed = countFails ? 0 : qMin(count, 32767);
        QCOMPARE(p.list()->count(), listed);
        for (int i = 0; i < listed; ++i)
            QCOMPARE(p.list()->itemText(i), QStringLiteral("Voice %1").arg(i + 1));
        QCOMPARE(p.list()->currentIndex(), marked);
        // The marked mode is written back, once.
        QCOMPARE(p.script.calls.filter(QStringLiteral("setCurrentMode")),
                 marked < 0 ? QStringList() : QStringList{QStringLiteral("setCurrentMode(%1)").arg(marked + 1)});
        QCOMPARE(p.list()->lineEdit()->placeholderText(), count ? QString() : QStringLiteral("No voices are installed."));
        QCOMPARE(p.test.messages->messages.size(), countFails ? 1 : 0);
        if (countFails)
            QCOMPARE(p.test.messages->messages.constFirst().text,
                     QStringLiteral("The speech voices could not be read or chosen.\n\nThe voices are locked."));
    }

    void options_choosingMakesTheModeCurrent_untilTheNextOpening()
    {
        Program p;
        p.script.count = 3;
        p.script.lookup = 2;
        p.forms->main().Show();
        p.forms->main().MnuOptions_Click();
        p.script.calls.clear();

        QTest::keyClick(p.list(), Qt::Key_Down); // from the second entry to the third
        // Typed text is no choice, even a mode's name.
        p.list()->lineEdit()->selectAll();
        QTest::keyClicks(p.list()->lineEdit(), QStringLiteral("Voice 1"));
        QTest::keyClick(p.list()->lineEdit(), Qt::Key_Return);
        QCOMPARE(p.script.calls, QStringList{QStringLiteral("setCurrentMode(3)")});

        p.list()->window()->findChild<QPushButton *>(QStringLiteral("cmdclose"))->click();
        QVERIFY(!p.forms->options().isLoaded());
        QCOMPARE(p.script.current, 3); // the card window keeps its selector
        p.forms->options().Show();
        QCOMPARE(p.list()->currentIndex(), 1);
        QCOMPARE(p.script.current, 2);
        p.list()->window()->findChild<QAction *>(QStringLiteral("mnuclose"))->trigger();
        QVERIFY(!p.forms->options().isLoaded());
    }

    void options_realVoices_theLookupsFemaleVoiceIsMarkedAndHeard()
    {
        Program p(false);
        p.forms->options().Show();
        const qint32 found = *p.forms->card().DSSSpeech()->Find(QStringLiteral("Mfg=Microsoft;Gender=1"));
        QVERIFY2(found >= 1, "no voices");
        QCOMPARE(p.list()->currentIndex(), found - 1);
        const VoiceMode *mode = Voices::system()->catalog().mode(found);
        QCOMPARE(mode->gender, VoiceGender::Female); // found, not a fallback
        QCOMPARE(p.test.services.voice->voice(), mode->voice);
        QVERIFY(p.test.messages->messages.isEmpty());
    }

    // A German card set: its voices come first, and an English voice chosen
    // gives way to a German one of its gender, which the list marks.
    void options_realVoices_aVoiceOfAnotherLanguageGivesWay()
    {
        Program p(false);
        QVERIFY(testsupport::setCardSetLanguage(p.dir.path(), QStringLiteral("de")));
        p.forms->options().Show();
        QVERIFY2(p.list()->itemText(0).startsWith(QStringLiteral("German – ")), qPrintable(p.list()->itemText(0)));
        const VoiceCatalog &voices = Voices::system()->catalog(QStringLiteral("de"));
        const qint32 english = voices.bestMatch(VoiceQuery::parse(QStringLiteral("Language=en;Gender=2")));
        QCOMPARE(voices.mode(english)->language, QStringLiteral("en"));
        p.list()->setCurrentIndex(english - 2);
        QTest::keyClick(p.list(), Qt::Key_Down); // the parent's choice
        QCOMPARE(p.test.services.voice->voice(), voices.mode(english)->voice);
        const VoiceMode *heard = voices.mode(p.list()->currentIndex() + 1);
        QCOMPARE(heard->language, QStringLiteral("de"));
        QCOMPARE(heard->gender, VoiceGender::Male);
    }

    // In their own names, the card set's shown; an Access set has no place for one.
    void options_languages_listedAndTheSetsShown_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none set") << QString() << u"English"_s;
        QTest::newRow("German") << u"de"_s << u"Deutsch"_s;
        QTest::newRow("pt-BR: the Portuguese voices'") << u"pt-BR"_s << u"Português"_s;
        QTest::newRow("Access: English, and why not") << u"access"_s << u"English"_s;
    }
    void options_languages_listedAndTheSetsShown()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        Program p;
        const bool access = language == u"access"_s;
        if (access && !testsupport::haveLegacyFixtures())
            QSKIP(testsupport::legacyFixturesMissing());
        QVERIFY(access ? testsupport::useLegacyCardSet(p.dir.path(), u"cards26-v2000.mdb"_s, testsupport::legacyCards26())
                       : language.isEmpty() || testsupport::setCardSetLanguage(p.dir.path(), language));
        p.forms->options().Show();
        for (const QString &name : {u"Deutsch"_s, u"English"_s, u"Español"_s, u"Français"_s})
            QVERIFY2(p.languages()->findText(name) >= 0, qPrintable(name));
        QCOMPARE(p.languages()->currentText(), shown);
        QCOMPARE(p.languages()->count(), SpeechSystem::instance().languages().size()); // the set's among them, once
        const QLabel *label = p.forms->options().window()->findChild<QLabel *>(u"Label1"_s);
        QVERIFY(label->buddy() == p.languages() && !p.languages()->isEditable());
        QCOMPARE(p.languages()->geometry(), QRect(p.list()->x(), label->y(), p.list()->width(), p.list()->height()));
        QCOMPARE(p.languages()->isEnabled(), !access);
        QCOMPARE(p.languages()->toolTip(), access ? u"This card set is an Access file, which has no place for a language. "
                                                     "Convert it first, in a terminal: sudo pomwit-cards convert"_s : QString());
    }

    // While the change runs the list waits; another change holding the card set refuses it.
    void options_choosingALanguage_setsItOrSaysWhyNot()
    {
        Program p(false);
        auto holder = CardSetEditor::open(p.dir.path(), CardSetEditor::Mode::Write);
        QVERIFY(holder);
        p.forms->options().Show();
        const auto chooseGerman = [&p] {
            p.languages()->setCurrentIndex(p.languages()->findText(u"Deutsch"_s));
            emit p.languages()->activated(p.languages()->currentIndex()); // as a click on it
            QVERIFY(!p.languages()->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(p.languages()->isEnabled(), 10000);
        };
        chooseGerman();
        QCOMPARE(p.languages()->currentText(), u"English"_s);
        QCOMPARE(p.test.messages->messages.value(0).text, u"Another pomwit-cards is changing the card set in \"%1\": "
                                                           "wait until it has finished, then try again."_s.arg(p.dir.path()));
        holder.value().reset();
        chooseGerman();
        CardStore store(p.dir.path());
        QVERIFY(store.snapshot());
        QCOMPARE(store.language(), u"de"_s);
        QCOMPARE(p.languages()->currentText(), u"Deutsch"_s);
        QVERIFY2(p.list()->itemText(0).startsWith(u"German – "_s), qPrintable(p.list()->itemText(0)));
        QCOMPARE(p.test.messages->messages.size(), 1);
    }

    void about_showsTheTexts()
    {
        Program p;
        p.forms->about().Show();
        QCOMPARE(p.forms->about().window()->windowTitle(), QStringLiteral("About Pomwit"));
        QCOMPARE(p.about<QLabel>("lblTitle")->text(), QStringLiteral("Pomwit"));
        QCOMPARE(p.about<QLabel>("lblVersion")->text(), QStringLiteral("Version 1.2.6"));
        QVERIFY(p.about<QLabel>("lblDescription")->text().contains(
            QStringLiteral("In the future, it will include categorized bundles of image/word listings.")));
        QCOMPARE(p.about<QLabel>("lblDisclaimer")->text(),
                 QStringLiteral("NOTE: Until Import is implemented, you can add more cards by: 1) Copying the file into the "
                                "pictures directory, and 2) Open the MDB file and add the picture's name to the table."));
        QCOMPARE(p.link()->text(), QStringLiteral("https://pomwit.org/"));
        QCOMPARE(p.about<QLabel>("Picture1")->pixmap().size(), QSize(147, 166));
    }

    // Steps: "move", "press", "release" on the link, "drag", "up" off it;
    // "tick" of the leave check, "wait" for its timer; "x,y" puts the pointer
    // there from the box's top-left ("~x,y": bottom-right); "=text" relabels.
    void about_linkFollowsThePointer_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("checking"); // underlined, the leave check running every 100 ms
        QTest::addColumn<bool>("opened");
        const QColor black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0);
        QTest::newRow("left: the timer notices") << QStringLiteral("move -30,5 wait") << black << false << false;
        QTest::newRow("top-left corner is over it") << QStringLiteral("move 0,0 tick") << blue << true << false;
        QTest::newRow("right edge is over it") << QStringLiteral("move ~0,-3 tick") << blue << true << false;
        QTest::newRow("bottom edge is over it") << QStringLiteral("move ~-3,0 tick") << blue << true << false;
        QTest::newRow("one right of it is off") << QStringLiteral("move ~1,-3 tick") << black << false << false;
        QTest::newRow("one below it is off") << QStringLiteral("move ~-3,1 tick") << black << false << false;
        QTest::newRow("one left of it is off") << QStringLiteral("move -1,3 tick") << black << false << false;
        QTest::newRow("one above it is off") << QStringLiteral("move 3,-1 tick") << black << false << false;
        QTest::newRow("pressed, not over it first") << QStringLiteral("press") << black << false << false;
        QTest::newRow("click: blue, the address opened") << QStringLiteral("move press release") << blue << true << true;
        QTest::newRow("pressed, dragged off") << QStringLiteral("move press drag") << red << true << false;
        QTest::newRow("pressed, dragged off, a tick") << QStringLiteral("move press drag tick") << black << false << false;
        QTest::newRow("released off it: no click") << QStringLiteral("move press drag up") << blue << true << false;
        QTest::newRow("moved again while held: blue") << QStringLiteral("move press drag tick drag") << blue << true << false;
        // Only web addresses go to the desktop, whatever the link says.
        QTest::newRow("click on an http address in capitals") << QStringLiteral("=HTTP://EXAMPLE.ORG/ move press release") << blue << true << true;
        QTest::newRow("click on a local file") << QStringLiteral("=file://localhost/etc/passwd move press release") << blue << true << false;
        QTest::newRow("click on a web address without a host") << QStringLiteral("=https:///etc/passwd move press release") << blue << true << false;
    }
    void about_linkFollowsThePointer()
    {
        QFETCH(QString, steps);
        QFETCH(QColor, colour);
        QFETCH(bool, checking);
        QFETCH(bool, opened);
        Program p;
        p.forms->about().Show();
        QWidget *box = p.about<QWidget>("picHyperlink");
        const QPoint on(2, 2), off(-40, 8);
        const QHash<QString, std::function<void()>> act{
            {QStringLiteral("move"), [&] { p.mouse(QEvent::MouseMove, on, Qt::NoButton, Qt::NoButton); }},
            {QStringLiteral("press"), [&] { p.mouse(QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton); }},
            {QStringLiteral("release"), [&] { p.mouse(QEvent::MouseButtonRelease, on, Qt::LeftButton, Qt::NoButton); }},
            {QStringLiteral("drag"), [&] { p.mouse(QEvent::MouseMove, off, Qt::NoButton, Qt::LeftButton); }},
            {QStringLiteral("up"), [&] { p.mouse(QEvent::MouseButtonRelease, off, Qt::LeftButton, Qt::NoButton); }},
            {QStringLiteral("tick"), [&] { p.forms->about().Timer1_Timer(); }},
            {QStringLiteral("wait"), [] { QTest::qWait(300); }},
        };
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (act.contains(step))
                act[step]();
            else if (step.startsWith(QLatin1Char('=')))
                p.link()->setText(step.mid(1));
            else {
                const QStringList xy = QString(step).remove(QLatin1Char('~')).split(QLatin1Char(','));
                const QPoint corner = step.startsWith(QLatin1Char('~')) ? QPoint(box->width(), box->height()) : QPoint();
                p.desktop->position = box->mapToGlobal(corner + QPoint(xy.at(0).toInt(), xy.at(1).toInt()));
            }
        }
        QCOMPARE(p.link()->palette().color(QPalette::WindowText), colour);
        QCOMPARE(p.link()->font().underline(), checking);
        QCOMPARE(p.about<QTimer>("Timer1")->isActive(), checking);
        if (checking)
            QCOMPARE(p.about<QTimer>("Timer1")->interval(), 100);
        QCOMPARE(p.desktop->opened, opened ? QList<QUrl>{QUrl(p.link()->text())} : QList<QUrl>());
    }

    // Enter and Esc press OK, and the leave check stops with the window; on the
    // link (a tab stop after OK) Enter and Space open it instead.
    void about_keys_data()
    {
        QTest::addColumn<bool>("onLink");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Enter closes") << false << int(Qt::Key_Enter) << false;
        QTest::newRow("Return closes") << false << int(Qt::Key_Return) << false;
        QTest::newRow("Esc closes") << false << int(Qt::Key_Escape) << false;
        QTest::newRow("Return on the link opens it") << true << int(Qt::Key_Return) << true;
        QTest::newRow("Space on the link opens it") << true << int(Qt::Key_Space) << true;
        QTest::newRow("Esc on the link closes") << true << int(Qt::Key_Escape) << false;
    }
    void about_keys()
    {
        QFETCH(bool, onLink);
        QFETCH(int, key);
        QFETCH(bool, opens);
        Program p;
        p.forms->about().Show();
        QVERIFY(QTest::qWaitForWindowActive(p.forms->about().window()));
        p.mouse(QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
        const QPointer<QTimer> timer = p.about<QTimer>("Timer1");
        QVERIFY(timer->isActive());
        if (onLink)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), onLink ? static_cast<QWidget *>(p.link()) : p.about<QWidget>("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(p.desktop->opened.size(), opens ? 1 : 0);
        QCOMPARE(p.forms->about().isLoaded(), opens);
        QVERIFY(opens || !timer || !timer->isActive());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
