#include "cards/cardscommand.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// The command says what went wrong in its own words; Qt's notices about the
// missing display session would only be noise.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures are drawn off screen, so no display is needed, over ssh too.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(POMWIT_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runPomwitCards(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(), out, err);
}
