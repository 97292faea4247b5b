// pomwit-cards add-folder of 100 photos of 4000 x 3000 pixels, against the
// same two pictures a photo made by a bare loop of QImageReader and
// QImage::save. Both run as child processes, so that each one's time and peak
// memory are its own; three rounds, the median of each.

#include "benchreport.h"
#include "cardtable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int photoCount = 100;
constexpr int distinctPhotos = 10;

// Something like a photo: a gradient under many soft shapes.
QImage photo(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor::fromRgb(random.generate()));
    sky.setColorAt(1, QColor::fromRgb(random.generate()));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.drawEllipse(random.bounded(4000), random.bounded(3000), 20 + random.bounded(500), 20 + random.bounded(500));
    }
    return image;
}

// The baseline: read each photo whole, save the large picture and the card
// bitmap, nothing else.
int bareLoop(const QString &photos, const QString &out)
{
    for (const QFileInfo &file : QDir(photos).entryInfoList(QDir::Files, QDir::Name)) {
        QImageReader reader(file.filePath());
        const QImage image = reader.read();
        const QImage large = image.scaled(2048, 2048, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!large.save(out + QLatin1Char('/') + file.completeBaseName() + QLatin1String(".jpg"), "JPEG", 90))
            return 1;
        QImage bitmap(273, 217, QImage::Format_RGB888);
        bitmap.fill(Qt::white);
        const QImage fitted = large.scaled(273, 217, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter(&bitmap).drawImage((273 - fitted.width()) / 2, (217 - fitted.height()) / 2, fitted);
        if (!bitmap.save(out + QLatin1Char('/') + file.completeBaseName() + QLatin1String(".bmp"), "BMP"))
            return 1;
    }
    return 0;
}

struct Measured
{
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

Measured runChild(const QByteArray &program, const QList<QByteArray> &arguments)
{
    std::vector<char *> argv{const_cast<char *>(program.constData())};
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        // The tool reports each added card; only the figures matter here.
        if (!freopen("/dev/null", "w", stdout))
            _exit(2);
        execv(program.constData(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {timer.nsecsElapsed() / 1e9, usage.ru_maxrss / 1024.0, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

bool freshCardSet(const QString &folder)
{
    QDir(folder).removeRecursively();
    return QDir().mkpath(folder + QLatin1String("/pictures"))
        && writeCardTable(folder + QLatin1String("/pomwit.mdb"), 26,
                          [](int i) { return QByteArray(1, char('a' + i)).append("card"); });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--bare") == 0)
        return bareLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    const QByteArray tool = QFile::encodeName(QStringLiteral(POMWIT_BUNDLED_DIR "/pomwit-cards"));
    if (!QFile::exists(QString::fromLocal8Bit(tool))) {
        std::fprintf(stderr, "bench_cards: build pomwit-cards first (%s)\n", tool.constData());
        return 1;
    }
    QTemporaryDir work;
    const QString photos = work.path() + QLatin1String("/photos");
    QDir().mkpath(photos);
    for (int i = 0; i < distinctPhotos; ++i) {
        const QImage image = photo(quint32(i + 1));
        for (int copy = i; copy < photoCount; copy += distinctPhotos) {
            if (!image.save(photos + QStringLiteral("/photo%1.jpg").arg(copy, 3, 10, QLatin1Char('0')), "JPEG", 92))
                return 1;
        }
    }

    const QString cardSet = work.path() + QLatin1String("/cards");
    const QString bare = work.path() + QLatin1String("/bare");
    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    std::vector<double> toolSeconds, bareSeconds, toolMiB, bareMiB;
    for (int round = 0; round < 3; ++round) {
        if (!freshCardSet(cardSet))
            return 1;
        const Measured added = runChild(tool, {"--folder", QFile::encodeName(cardSet), "add-folder", QFile::encodeName(photos)});
        QDir(bare).removeRecursively();
        QDir().mkpath(bare);
        const Measured loop = runChild(self, {"--bare", QFile::encodeName(photos), QFile::encodeName(bare)});
        if (!added.ok || !loop.ok || QDir(cardSet + QLatin1String("/pictures")).count() != 2 + 2 * photoCount) {
            std::fprintf(stderr, "bench_cards: a run failed\n");
            return 1;
        }
        std::printf("round %d: pomwit-cards %.2f s, %.0f MiB; bare loop %.2f s, %.0f MiB\n", round + 1, added.seconds,
                    added.peakMiB, loop.seconds, loop.peakMiB);
        toolSeconds.push_back(added.seconds);
        bareSeconds.push_back(loop.seconds);
        toolMiB.push_back(added.peakMiB);
        bareMiB.push_back(loop.peakMiB);
    }
    // Goals: at most 1.2 times the bare loop's time, under 150 MiB at peak.
    benchLine(QStringLiteral("cards_add_folder_100_photos_4000x3000"), percentile(toolSeconds, 0.5),
              percentile(bareSeconds, 0.5), QStringLiteral("s"));
    benchLine(QStringLiteral("cards_add_folder_peak_memory"), percentile(toolMiB, 0.5), percentile(bareMiB, 0.5),
              QStringLiteral("MiB"));
    return 0;
}
