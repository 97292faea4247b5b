// Pomwit started as its main() starts it, reporting when the main window and,
// after the start command, the first card are painted.

#include "probe.h"

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::unique_ptr<ProgramWindows> forms = startProgram(application);

    // The windows paint only once the event loop runs, so the probes see the first paint.
    std::unique_ptr<FirstPaintProbe> cardProbe;
    FirstPaintProbe mainProbe(
        "main", [](QObject *o) { return o->objectName() == QLatin1String("cmdStartFlash"); },
        [&] {
            std::printf("start %lld\n", monotonicNs());
            cardProbe = std::make_unique<FirstPaintProbe>(
                "card", [](QObject *o) { return o->objectName() == QLatin1String("imgcardpic"); },
                [&] { forms->main().mnuExit_Click(6); });
            forms->main().cmdStartFlash_Click();
        });
    return application.exec();
}
