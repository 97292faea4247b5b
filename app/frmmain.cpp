#include "app/frmmain.h"

#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/services.h"
#include "speech/phraseplayer.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

using designer::place;

frmMain::frmMain(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmMain"))
{
}

QWidget *frmMain::createControls()
{
    const auto form = designer::makeWindow(QStringLiteral("Pomwit"), 4650, 2535, true);
    form.window->setWindowIcon(appinfo::applicationIcon());
    QWidget *client = form.client;

    cmdStartFlash = new QPushButton(tr("&Begin Flash Cards"), client);
    cmdStartFlash->setObjectName(QStringLiteral("cmdStartFlash"));
    cmdStartFlash->setFont(designer::font(QStringLiteral("Comic Sans MS"), 9.75, true));
    place(cmdStartFlash, 1080, 960, 2415, 855);
    connect(cmdStartFlash, &QPushButton::clicked, this, &frmMain::cmdStartFlash_Click);

    Label1 = new QLabel(QStringLiteral("Pomwit"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(designer::font(QStringLiteral("Comic Sans MS"), 15.75));
    // The desktop's own accent colour, not a fixed one; it follows the theme.
    Label1->setForegroundRole(QPalette::Highlight);
    place(Label1, 600, 120, 3255, 495);

    auto *picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(appinfo::applicationIcon().pixmap(32, 32));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(picture, 0, 120, 615, 615);

    designer::line(client, QStringLiteral("Line1"), 0, 0, 4560, 0);

    QMenu *mnuFile = form.menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnustart = mnuFile->addAction(tr("&Start Flash Cards"), this, &frmMain::mnustart_Click);
    mnustart->setObjectName(QStringLiteral("mnustart"));
    QAction *mnuExit = mnuFile->addAction(tr("E&xit"), this, [this] { mnuExit_Click(6); });
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    QMenu *mnutools = form.menuBar->addMenu(tr("&Tools"));
    mnutools->setObjectName(QStringLiteral("mnutools"));
    QAction *MnuOptions = mnutools->addAction(tr("&Options"), this, &frmMain::MnuOptions_Click);
    MnuOptions->setObjectName(QStringLiteral("MnuOptions"));

    QMenu *mnuHelp = form.menuBar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction *mnuAbout = mnuHelp->addAction(tr("About"), this, &frmMain::mnuAbout_Click);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    cmdStartFlash->setFocus();
    return form.window;
}

void frmMain::releaseControls()
{
    cmdStartFlash = nullptr;
    Label1 = nullptr;
}

void frmMain::cmdStartFlash_Click()
{
    Hide();
    registry().form(FormName::frmCard).Show();
}

void frmMain::mnustart_Click()
{
    cmdStartFlash_Click();
}

void frmMain::MnuOptions_Click()
{
    registry().form(FormName::frmOptions).Show();
}

void frmMain::mnuAbout_Click()
{
    registry().form(FormName::frmAbout).Show();
}

void frmMain::mnuExit_Click(qint16 Index)
{
    Q_UNUSED(Index);
    exitSequence();
}

void frmMain::Form_Unload()
{
    exitSequence();
}

void frmMain::Form_Terminate()
{
    exitSequence();
}

void frmMain::exitSequence()
{
    // The program ends now: a phrase under way is not waited for.
    registry().services().phrases->stop();
    registry().form(FormName::frmOptions).Unload();
    registry().form(FormName::frmAbout).Unload();
    registry().form(FormName::frmImportCards).Unload();
    registry().form(FormName::frmCard).Unload();
    Unload();
}
