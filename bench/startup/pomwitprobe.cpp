// Pomwit started as its main() starts it, reporting when the main window and,
// after the start command, the first card are painted.

#include "probe.h"

#include "app/appinfo.h"
#include "app/forms.h"
#include "app/frmmain.h"
#include "play/frmcard.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    appinfo::setUp(application);

    Forms forms(Services::system(QCoreApplication::applicationDirPath()));
    QObject::connect(&forms, &Forms::lastWindowUnloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    FirstPaintProbe *cardProbe = nullptr;
    FirstPaintProbe mainProbe(
        "main", [&](QObject *o) { return o->objectName() == QLatin1String("cmdStartFlash"); },
        [&] {
            std::printf("start %lld\n", monotonicNs());
            cardProbe = new FirstPaintProbe(
                "card", [](QObject *o) { return o->objectName() == QLatin1String("imgcardpic"); },
                [&] { forms.main().mnuExit_Click(6); });
            forms.main().cmdStartFlash_Click();
        });
    forms.main().Show();
    const int result = application.exec();
    delete cardProbe;
    return result;
}
