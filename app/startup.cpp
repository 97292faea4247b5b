#include "app/startup.h"

#include "formkit/appinfo.h"
#include "app/programwindows.h"
#include "app/frmmain.h"
#include "app/signals.h"
#include "app/systemservices.h"
#include "formkit/deferrediconstyle.h"
#include "i18n/programtranslations.h"

#include <QApplication>

std::unique_ptr<ProgramWindows> startProgram(QApplication &application)
{
    appinfo::setUp(application);
    ProgramTranslations::install();
    QApplication::setStyle(new DeferredIconStyle);
    auto windows = std::make_unique<ProgramWindows>(systemServices(QCoreApplication::applicationDirPath()));
    QObject::connect(windows.get(), &ProgramWindows::lastWindowUnloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    endOnTerminationSignals(*windows);
    windows->main().Show();
    return windows;
}
