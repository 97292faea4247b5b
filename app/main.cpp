#include "app/commandline.h"
#include "app/programwindows.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto answered = answerCommandLine(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    const std::unique_ptr<ProgramWindows> windows = startProgram(application);
    return application.exec();
}
