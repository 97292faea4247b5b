// Start-up under X: process start to the main window's first paint, and the
// start command to the first card painted, beside a bare Qt Widgets program.

#include "benchreport.h"
#include "startup/probe.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <vector>

namespace {

struct Run
{
    double startupMs = 0;
    double cardMs = 0;
};

bool runOnce(const QString &program, const QStringList &arguments, Run *run)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.setProgram(program);
    process.setArguments(arguments);
    const long long launched = monotonicNs();
    process.start();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    long long main = 0, start = 0, card = 0;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 2)
            continue;
        const long long at = fields[1].toLongLong();
        if (fields[0] == "main")
            main = at;
        else if (fields[0] == "start")
            start = at;
        else if (fields[0] == "card")
            card = at;
    }
    if (!main || !start || !card)
        return false;
    run->startupMs = double(main - launched) / 1e6;
    run->cardMs = double(card - start) / 1e6;
    return true;
}

// Starts a private X server when there is no display.
std::unique_ptr<QProcess> startDisplay()
{
    if (qEnvironmentVariableIsSet("DISPLAY"))
        return nullptr;
    for (int display = 180; display < 200; ++display) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)))
            continue;
        auto xvfb = std::make_unique<QProcess>();
        xvfb->start(QStringLiteral("Xvfb"), {QStringLiteral(":%1").arg(display), QStringLiteral("-screen"),
                                             QStringLiteral("0"), QStringLiteral("1024x768x24"),
                                             QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!xvfb->waitForStarted(5000))
            return nullptr;
        for (int i = 0; i < 50 && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)); ++i)
            QThread::msleep(100);
        if (xvfb->state() == QProcess::Running && QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display))) {
            qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));
            return xvfb;
        }
        xvfb->kill();
        xvfb->waitForFinished(3000);
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    auto display = startDisplay();
    const QString here = QCoreApplication::applicationDirPath();
    const QString pomwit = here + QStringLiteral("/startup_pomwit/pomwit_startup_probe");
    const QString bare = here + QStringLiteral("/bare_startup_probe");
    const QString picture = QStringLiteral(POMWIT_BUNDLED_DIR "/pictures/apple.bmp");

    // One warm-up run each, then alternate so that both see the same machine.
    Run ignored;
    runOnce(pomwit, {}, &ignored);
    runOnce(bare, {picture}, &ignored);
    std::vector<double> startup, startupBase, card, cardBase;
    for (int i = 0; i < 15; ++i) {
        Run a, b;
        if (runOnce(pomwit, {}, &a) && runOnce(bare, {picture}, &b)) {
            startup.push_back(a.startupMs);
            card.push_back(a.cardMs);
            startupBase.push_back(b.startupMs);
            cardBase.push_back(b.cardMs);
        }
    }
    if (startup.empty()) {
        std::fprintf(stderr, "bench_startup: the probes did not run (is Xvfb installed?)\n");
        return 1;
    }
    const double s = percentile(startup, 0.5), sb = percentile(startupBase, 0.5);
    const double c = percentile(card, 0.5), cb = percentile(cardBase, 0.5);
    benchLine(QStringLiteral("startup_main_window_paint_median"), s, sb, QStringLiteral("ms"));
    benchLine(QStringLiteral("start_command_first_card_paint_median"), c, cb, QStringLiteral("ms"));
    std::printf("\n%-40s %10s %10s %7s\n", "figure (median of runs)", "Pomwit", "bare Qt", "ratio");
    std::printf("%-40s %10.1f %10.1f %7.2f\n", "process start -> main window painted", s, sb, s / sb);
    std::printf("%-40s %10.1f %10.1f %7.2f\n", "start command -> first card painted", c, cb, c / cb);
    std::printf("(%zu runs each, under X display %s)\n", startup.size(), qgetenv("DISPLAY").constData());
    if (display) {
        display->terminate();
        display->waitForFinished(3000);
    }
    return 0;
}
