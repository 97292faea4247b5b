// Full screen at 1920 x 1080, offscreen: F11 to the first frame painted, and
// the next card (Esc) to its picture painted, beside a bare Qt full-screen
// window that loads the same picture, scales it to the same size and paints it.

#include "benchreport.h"
#include "testsupport.h"

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "play/cardsession.h"
#include "play/frmcard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include <vector>

// What a key press goes through first: the shortcuts (F11 is one).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString &text = QString(), bool autorep = false, ushort count = 1);

namespace {

class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// Runs the event loop until the watched widget has been painted.
double untilPainted(QWidget *widget, const QElapsedTimer &timer)
{
    PaintWatch watch;
    widget->installEventFilter(&watch);
    while (!watch.painted)
        QCoreApplication::processEvents();
    widget->removeEventFilter(&watch);
    return double(timer.nsecsElapsed()) / 1e6;
}

// The bare window: a picture read by Qt's image reader at the size it is shown.
class BareWindow : public QWidget
{
public:
    void load(const QString &path, QSize area)
    {
        QImageReader reader(path);
        reader.setScaledSize(reader.size().scaled(area, Qt::KeepAspectRatio));
        m_picture = reader.read();
        if (m_picture.size() != reader.scaledSize())
            m_picture = m_picture.scaled(reader.scaledSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        update();
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(QRect(QPoint(), m_picture.size()).translated((width() - m_picture.width()) / 2, 0), m_picture);
    }

private:
    QImage m_picture;
};

void key(QWidget *to, int code, Qt::KeyboardModifiers modifiers = {}, QEvent::Type type = QEvent::KeyPress)
{
    if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(to, 0, code, modifiers))
        return;
    QKeyEvent event(type, code, modifiers);
    QApplication::sendEvent(to, &event);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile json(config);
    if (!json.open(QIODevice::WriteOnly))
        return 1;
    json.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
               R"( "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication application(argc, argv);

    // The bundled card set, drawings beside the bitmaps as installed.
    const QString cards = dir.filePath(QStringLiteral("cards"));
    QDir(cards).mkpath(QStringLiteral("pictures"));
    const QDir bundled(QStringLiteral(POMWIT_BUNDLED_DIR "/pictures"));
    QStringList words;
    for (const QString &file : bundled.entryList(QDir::Files)) {
        QFile::copy(bundled.filePath(file), cards + QStringLiteral("/pictures/") + file);
        if (file.endsWith(QLatin1String(".bmp")))
            words << file.chopped(4);
    }
    if (words.isEmpty() || !testsupport::writeCardDatabase(cards, testsupport::wordsOf(words)))
        return 1;
    auto picturePath = [&](const QString &word) {
        for (const char *suffix : {".png", ".jpg", ".svg", ".bmp"}) {
            const QString path = cards + QStringLiteral("/pictures/") + word + QLatin1String(suffix);
            if (QFile::exists(path))
                return path;
        }
        return QString();
    };
    std::printf("pictures: %s\n", qPrintable(QFileInfo(picturePath(words.first())).suffix()));

    testsupport::TestServices services(cards);
    ProgramWindows forms(services.services);
    frmCard &card = forms.card();
    // A desktop's runtime folder is in memory (/run/user/ID); so is this one.
    QTemporaryDir runtime(QStringLiteral("/dev/shm/pomwit-bench-XXXXXX"));
    card.fullScreenSettings().claimFolder = runtime.isValid() ? runtime.path() : dir.path();
    card.fullScreenSettings().leaveHold = std::chrono::milliseconds(0);
    card.fullScreenSettings().nextCardPause = std::chrono::hours(1);
    card.fullScreenSettings().messagePause = std::chrono::milliseconds(0);
    forms.main().cmdStartFlash_Click();
    QWidget *box = card.window()->findChild<QLineEdit *>(QStringLiteral("txtanswerbox"));

    std::vector<double> enter, enterBase;
    QSize area;
    auto cardWindowActive = [&] {
        card.window()->activateWindow();
        while (!card.window()->isActiveWindow())
            QCoreApplication::processEvents();
    };
    for (int i = 0; i < 20; ++i) {
        cardWindowActive();
        QElapsedTimer timer;
        timer.start();
        key(box, Qt::Key_F11);
        FullScreenView *view = card.fullScreenView();
        auto *picture = view->findChild<QLabel *>(QStringLiteral("picture"));
        enter.push_back(untilPainted(picture, timer));
        area = picture->size();
        for (int code : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_F12})
            key(view, code, Qt::ControlModifier | Qt::ShiftModifier);
        while (card.fullScreenView())
            QCoreApplication::processEvents();

        timer.restart();
        auto bare = std::make_unique<BareWindow>();
        bare->load(picturePath(card.session().scurrword()), area);
        bare->showFullScreen();
        enterBase.push_back(untilPainted(bare.get(), timer));
    }

    cardWindowActive();
    key(box, Qt::Key_F11);
    FullScreenView *view = card.fullScreenView();
    auto *picture = view->findChild<QLabel *>(QStringLiteral("picture"));
    untilPainted(picture, QElapsedTimer());
    BareWindow bare;
    bare.showFullScreen();
    untilPainted(&bare, QElapsedTimer());
    std::vector<double> next, nextBase;
    for (int i = 0; i < 260; ++i) {
        QElapsedTimer timer;
        timer.start();
        key(view, Qt::Key_Escape);
        next.push_back(untilPainted(picture, timer));
        while (view->findChild<QLabel *>(QStringLiteral("message"))->isVisible())
            QCoreApplication::processEvents();

        timer.restart();
        bare.load(picturePath(card.session().scurrword()), area);
        nextBase.push_back(untilPainted(&bare, timer));
    }
    std::printf("picture area %dx%d, draws %zu\n", area.width(), area.height(), next.size());
    benchLine(QStringLiteral("fullscreen_enter_median"), percentile(enter, 0.5), percentile(enterBase, 0.5), QStringLiteral("ms"));
    benchLine(QStringLiteral("fullscreen_enter_p95"), percentile(enter, 0.95), percentile(enterBase, 0.95), QStringLiteral("ms"));
    benchLine(QStringLiteral("fullscreen_next_card_median"), percentile(next, 0.5), percentile(nextBase, 0.5), QStringLiteral("ms"));
    benchLine(QStringLiteral("fullscreen_next_card_p95"), percentile(next, 0.95), percentile(nextBase, 0.95), QStringLiteral("ms"));
    return 0;
}
