#include "windows/frmimportcards.h"

#include "formkit/appinfo.h"
#include "formkit/designer.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

frmImportCards::frmImportCards(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmImportCards"))
{
}

QWidget *frmImportCards::createControls()
{
    const auto form = designer::makeWindow(tr("Import New Card Set"), 4680, 3195, false);
    form.window->setWindowIcon(appinfo::importIcon());

    // Neither default nor cancel button: Esc does not close this window.
    auto *cmdclose = new QPushButton(tr("Close"), form.client);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setAutoDefault(false);
    designer::place(cmdclose, 3480, 2520, 1095, 375);
    connect(cmdclose, &QPushButton::clicked, this, &frmImportCards::cmdclose_Click);

    auto *lblnotyet = new QLabel(tr("Not implemented yet."), form.client);
    lblnotyet->setObjectName(QStringLiteral("lblnotyet"));
    lblnotyet->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    designer::place(lblnotyet, 1080, 1200, 2295, 255);

    cmdclose->setFocus();
    return form.window;
}

void frmImportCards::releaseControls()
{
}

void frmImportCards::cmdclose_Click()
{
    Unload();
}
