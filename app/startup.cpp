#include "app/startup.h"

#include "forms/appinfo.h"
#include "app/forms.h"
#include "app/frmmain.h"
#include "app/signals.h"
#include "forms/deferrediconstyle.h"

#include <QApplication>

std::unique_ptr<Forms> startProgram(QApplication &application)
{
    appinfo::setUp(application);
    QApplication::setStyle(new DeferredIconStyle);
    auto forms = std::make_unique<Forms>(Services::system(QCoreApplication::applicationDirPath()));
    QObject::connect(forms.get(), &Forms::lastWindowUnloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    endOnTerminationSignals(*forms);
    forms->main().Show();
    return forms;
}
