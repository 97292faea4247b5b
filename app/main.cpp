#include "app/forms.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::unique_ptr<Forms> forms = startProgram(application);
    return application.exec();
}
