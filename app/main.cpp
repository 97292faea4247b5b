#include "app/appinfo.h"
#include "app/forms.h"
#include "app/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    appinfo::setUp(application);

    Forms forms(Services::system(QCoreApplication::applicationDirPath()));
    QObject::connect(&forms, &Forms::lastWindowUnloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    forms.main().Show();
    return application.exec();
}
