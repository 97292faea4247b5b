// The about window with a scripted pointer and a recording URL opener: the
// link's colours, the leave check, the click and the ways to close.

#include "forms/appinfo.h"
#include "app/forms.h"
#include "testsupport.h"
#include "windows/frmabout.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace testsupport;

namespace {

class ScriptedPointer : public PointerPosition
{
public:
    QPoint globalPosition() const override { return position; }
    QPoint position{-10000, -10000};
};

class RecordingUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return false; // the result must not matter
    }
    QList<QUrl> opened;
};

// Sends a mouse event straight to the link, as the windowing system would
// deliver it there (a pressed link keeps getting the pointer's moves).
void sendMouse(QWidget *widget, QEvent::Type type, QPoint position,
               Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(position), QPointF(widget->mapToGlobal(position)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void press(QWidget *widget, QPoint position)
{
    sendMouse(widget, QEvent::MouseButtonPress, position, Qt::LeftButton, Qt::LeftButton);
}

void release(QWidget *widget, QPoint position)
{
    sendMouse(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, Qt::NoButton);
}

void dragTo(QWidget *widget, QPoint position)
{
    sendMouse(widget, QEvent::MouseMove, position, Qt::NoButton, Qt::LeftButton);
}

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

struct AboutWindow
{
    QTemporaryDir dir;
    std::shared_ptr<ScriptedPointer> pointer = std::make_shared<ScriptedPointer>();
    std::shared_ptr<RecordingUrlOpener> urls = std::make_shared<RecordingUrlOpener>();
    std::unique_ptr<TestServices> services;
    std::unique_ptr<Forms> forms;

    AboutWindow()
    {
        writeCardSet(dir.path(), {QStringLiteral("apple")});
        services = std::make_unique<TestServices>(dir.path());
        services->services.pointer = pointer;
        services->services.urls = urls;
        forms = std::make_unique<Forms>(services->services);
        about().Show();
    }

    frmAbout &about() { return forms->about(); }
    template<typename T> T *control(const char *name)
    {
        return about().window()->findChild<T *>(QLatin1String(name));
    }
    QLabel *link() { return control<QLabel>("lbhyperlink"); }
    QWidget *box() { return control<QWidget>("picHyperlink"); }
    QTimer *timer() { return control<QTimer>("Timer1"); }
    QColor colour() { return link()->palette().color(QPalette::WindowText); }
    bool underlined() { return link()->font().underline(); }

    // Places the scripted pointer at a point of the link box.
    void pointAt(QPoint inBox) { pointer->position = box()->mapToGlobal(inBox); }
    void hover()
    {
        pointAt(QPoint(2, 2));
        sendMouse(link(), QEvent::MouseMove, QPoint(2, 2));
    }
};

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void load_fillsCaptionVersionTitleAndLink()
    {
        AboutWindow w;
        QCOMPARE(w.about().window()->windowTitle(), QStringLiteral("About Pomwit"));
        QCOMPARE(w.control<QLabel>("lblVersion")->text(), QStringLiteral("Version 1.2.6"));
        QCOMPARE(w.control<QLabel>("lblTitle")->text(), QStringLiteral("Pomwit"));
        QCOMPARE(w.link()->text(), appinfo::homepage());
        QCOMPARE(w.link()->pos(), QPoint(0, 0));
        QCOMPARE(w.box()->size(), w.link()->size());
        QCOMPARE(w.colour(), black);
        QVERIFY(!w.timer()->isActive());
        QCOMPARE(w.timer()->interval(), 0);
        QVERIFY(w.control<QLabel>("lblDescription")
                    ->text()
                    .contains(QStringLiteral("In the future, it will include categorized bundles of image/word listings.")));
        QCOMPARE(w.control<QLabel>("lblDisclaimer")->text(), QString::fromLatin1(frmAbout::disclaimer));
        const QPixmap picture = w.control<QLabel>("Picture1")->pixmap();
        QCOMPARE(picture.size(), QSize(147, 166));
    }

    void reopening_startsIdle_andShowTwiceLoadsOnce()
    {
        AboutWindow w;
        QSignalSpy handlers(&w.about(), &Form::handlerCalled);
        w.hover();
        w.about().Show();
        QVERIFY(handlers.isEmpty());

        w.control<QPushButton>("cmdOK")->click();
        QVERIFY(!w.about().isLoaded());
        w.about().Show();
        QCOMPARE(w.colour(), black);
        QVERIFY(!w.underlined());
        QVERIFY(!w.timer()->isActive());
    }

    void hover_highlightsAndStartsLeaveCheck()
    {
        AboutWindow w;
        w.hover();
        QCOMPARE(w.colour(), blue);
        QVERIFY(w.underlined());
        QVERIFY(w.timer()->isActive());
        QCOMPARE(w.timer()->interval(), frmAbout::leaveCheckInterval);

        // Leaving is noticed by the next tick, and the timer stops then.
        w.pointAt(QPoint(-30, 5));
        QTRY_COMPARE_WITH_TIMEOUT(w.colour(), black, 1000);
        QVERIFY(!w.underlined());
        QVERIFY(!w.timer()->isActive());
        QCOMPARE(w.timer()->interval(), frmAbout::leaveCheckInterval);
    }

    void leaveCheck_edgesCountAsInside_data()
    {
        // The pointer's place: an offset from the box's top-left or bottom-right corner.
        QTest::addColumn<bool>("fromBottomRight");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("inside");
        QTest::newRow("top-left corner") << false << QPoint(0, 0) << true;
        QTest::newRow("exactly on the right edge") << true << QPoint(0, -3) << true;
        QTest::newRow("exactly on the bottom edge") << true << QPoint(-3, 0) << true;
        QTest::newRow("one pixel right of it") << true << QPoint(1, -3) << false;
        QTest::newRow("one pixel below it") << true << QPoint(-3, 1) << false;
        QTest::newRow("one pixel left of it") << false << QPoint(-1, 3) << false;
        QTest::newRow("one pixel above it") << false << QPoint(3, -1) << false;
    }

    void leaveCheck_edgesCountAsInside()
    {
        QFETCH(bool, fromBottomRight);
        QFETCH(QPoint, offset);
        QFETCH(bool, inside);
        AboutWindow w;
        w.hover();
        const QSize box = w.box()->size();
        w.pointAt((fromBottomRight ? QPoint(box.width(), box.height()) : QPoint()) + offset);

        w.about().Timer1_Timer();

        QCOMPARE(w.colour(), inside ? blue : black);
        QCOMPARE(w.underlined(), inside);
        QCOMPARE(w.timer()->isActive(), inside);
    }

    void pressAndRelease_recolourAndClickOpensAddress()
    {
        AboutWindow w;
        w.hover();
        press(w.link(), QPoint(2, 2));
        QCOMPARE(w.colour(), red);
        QVERIFY(w.urls->opened.isEmpty());

        release(w.link(), QPoint(2, 2));
        QCOMPARE(w.colour(), blue);
        QCOMPARE(w.urls->opened, QList<QUrl>{QUrl(appinfo::homepage())});
    }

    void dragOff_tick_release_leavesIdleAndOpensNothing()
    {
        AboutWindow w;
        w.hover();
        press(w.link(), QPoint(2, 2));
        const QPoint away(-40, 8);
        dragTo(w.link(), away); // the pressed link still gets the moves
        QCOMPARE(w.colour(), red);

        w.pointer->position = w.link()->mapToGlobal(away);
        w.about().Timer1_Timer();
        QCOMPARE(w.colour(), black);

        // A move while the button is still held highlights again; the next tick ends it.
        dragTo(w.link(), away);
        QCOMPARE(w.colour(), blue);
        QVERIFY(w.timer()->isActive());
        w.about().Timer1_Timer();
        QCOMPARE(w.colour(), black);

        release(w.link(), away);
        QCOMPARE(w.colour(), black);
        QVERIFY(w.urls->opened.isEmpty());
    }

    void click_opensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("opened");
        QTest::newRow("https address") << QStringLiteral("https://example.org/cards") << true;
        QTest::newRow("http address in capitals") << QStringLiteral("HTTP://EXAMPLE.ORG/") << true;
        QTest::newRow("local file URL") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("plain path to a program") << QStringLiteral("/usr/bin/xterm") << false;
        QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << false;
        QTest::newRow("mail address") << QStringLiteral("mailto:someone@example.org") << false;
        QTest::newRow("web scheme without a host") << QStringLiteral("https:///etc/passwd") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void click_opensOnlyWebAddresses()
    {
        QFETCH(QString, caption);
        QFETCH(bool, opened);
        AboutWindow w;
        w.link()->setText(caption);

        w.about().lbhyperlink_Click();

        QCOMPARE(w.urls->opened.size(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(w.urls->opened.first(), QUrl(caption));
    }

    void keys_closeLikeOK_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void keys_closeLikeOK()
    {
        QFETCH(int, key);
        AboutWindow w;
        QWidget *window = w.about().window();
        QVERIFY(QTest::qWaitForWindowActive(window));

        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key(key));

        QVERIFY(!w.about().isLoaded());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
