// The card workshop's two costs: 100 photos of 4000 x 3000 added from the
// window's own code path (decoded as the user off the GUI thread, written
// through CardSetWriter) against pomwit-cards add-folder on the same photos;
// and the window opened on 1,000 cards, to its first paint, against the same
// window on 3 cards.

#include "benchreport.h"
#include "cardtable.h"

#include "app/programwindows.h"
#include "testsupport.h"
#include "windows/cardsetwriter.h"
#include "windows/frmimportcards.h"
#include "windows/newpicturesmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage photo(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor::fromRgb(random.generate()));
    sky.setColorAt(1, QColor::fromRgb(random.generate()));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 200; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.drawEllipse(random.bounded(4000), random.bounded(3000), 20 + random.bounded(500), 20 + random.bounded(500));
    }
    return image;
}

bool freshCardSet(const QString &folder, int cards)
{
    QDir(folder).removeRecursively();
    return QDir().mkpath(folder + QLatin1String("/pictures"))
        && writeCardTable(folder + QLatin1String("/pomwit.mdb"), cards,
                          [](int i) { return QByteArray("card").append(QByteArray::number(i)); });
}

// Seconds for the window's path: decode every photo, then one change.
double windowPath(const QString &cardSet, const QStringList &photos)
{
    QElapsedTimer timer;
    timer.start();
    NewPicturesModel batch;
    batch.addFiles(photos);
    if (!QTest::qWaitFor([&batch] { return !batch.isDecoding(); }, 600000) || !batch.canBeAdded())
        return -1;
    CardSetWriter writer(cardSet, CardSetWriter::Route::InProcess);
    QSignalSpy finished(&writer, &CardSetWriter::finished);
    writer.submit(batch.change());
    if (!finished.wait(600000) || !finished.constFirst().at(0).toBool())
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

// Milliseconds from Show to the card list's first paint.
double firstPaint(const QString &cardSet)
{
    testsupport::TestServices test(cardSet);
    ProgramWindows forms(test.services);
    QElapsedTimer timer;
    timer.start();
    // Loading the window reads the card set; the paint comes from the event loop.
    QWidget *list = forms.importCards().window()->findChild<QListView *>(QStringLiteral("lstcards"))->viewport();
    struct Painted : QObject
    {
        qint64 at = -1;
        QElapsedTimer *timer;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && at < 0)
                at = timer->nsecsElapsed();
            return false;
        }
    } painted;
    painted.timer = &timer;
    list->installEventFilter(&painted);
    forms.importCards().Show();
    return QTest::qWaitFor([&painted] { return painted.at >= 0; }, 10000) ? painted.at / 1e6 : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir work;
    const QString photos = work.path() + QLatin1String("/photos");
    QDir().mkpath(photos);
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        const QImage image = photo(quint32(i + 1));
        for (int copy = i; copy < 100; copy += 10) {
            paths.append(photos + QStringLiteral("/photo%1.jpg").arg(copy, 3, 10, QLatin1Char('0')));
            if (!image.save(paths.last(), "JPEG", 92))
                return 1;
        }
    }
    const QString cardSet = work.path() + QLatin1String("/cards");
    std::vector<double> window, tool;
    for (int round = 0; round < 3; ++round) {
        if (!freshCardSet(cardSet, 26))
            return 1;
        window.push_back(windowPath(cardSet, paths));
        if (!freshCardSet(cardSet, 26))
            return 1;
        QElapsedTimer timer;
        timer.start();
        const int status = QProcess::execute(QStringLiteral(POMWIT_BUNDLED_DIR "/pomwit-cards"),
                                             {QStringLiteral("--folder"), cardSet, QStringLiteral("add-folder"), photos});
        tool.push_back(status == 0 ? timer.nsecsElapsed() / 1e9 : -1);
        std::printf("round %d: window's path %.2f s, pomwit-cards add-folder %.2f s\n", round + 1, window.back(),
                    tool.back());
    }
    // Goal: at most 1.2 times add-folder's time.
    benchLine(QStringLiteral("workshop_add_100_photos_4000x3000"), percentile(window, 0.5), percentile(tool, 0.5),
              QStringLiteral("s"));

    std::vector<double> thousand, three;
    for (int round = 0; round < 5; ++round) {
        if (!freshCardSet(cardSet, 1000))
            return 1;
        thousand.push_back(firstPaint(cardSet));
        if (!freshCardSet(cardSet, 3))
            return 1;
        three.push_back(firstPaint(cardSet));
    }
    // Goal: under 300 ms.
    benchLine(QStringLiteral("workshop_first_paint_1000_cards"), percentile(thousand, 0.5), percentile(three, 0.5),
              QStringLiteral("ms"));
    return 0;
}
