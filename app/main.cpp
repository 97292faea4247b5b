#include "app/programwindows.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::unique_ptr<ProgramWindows> windows = startProgram(application);
    return application.exec();
}
