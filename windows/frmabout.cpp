#include "windows/frmabout.h"

#include "app/designer.h"

#include <QWidget>

frmAbout::frmAbout(Forms &forms)
    : Form(forms, QStringLiteral("frmAbout"))
{
}

QWidget *frmAbout::createControls()
{
    return designer::makeWindow(QStringLiteral("frmAbout"), 4680, 3195, false).window;
}

void frmAbout::releaseControls()
{
}
