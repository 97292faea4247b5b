#include "windows/frmoptions.h"

#include "app/designer.h"

#include <QWidget>

frmOptions::frmOptions(Forms &forms)
    : Form(forms, QStringLiteral("frmOptions"))
{
}

QWidget *frmOptions::createControls()
{
    return designer::makeWindow(QStringLiteral("frmOptions"), 4680, 3195, false).window;
}

void frmOptions::releaseControls()
{
}
