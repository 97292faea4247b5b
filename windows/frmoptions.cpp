#include "windows/frmoptions.h"

#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/messagebox.h"
#include "formkit/services.h"
#include "play/frmcard.h"
#include "speech/engineselector.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

using designer::place;

namespace {

// List positions are 16-bit: further modes could never be marked.
constexpr qint32 maxListEntries = 32767;

QLabel *makeLabel(const QString &name, const QString &text, QWidget *client)
{
    auto *label = new QLabel(text, client);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmOptions::frmOptions(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmOptions"))
{
}

QWidget *frmOptions::createControls()
{
    const auto form = designer::makeWindow(tr("Options"), 5715, 3195, true);
    form.window->setWindowIcon(appinfo::optionsIcon());
    QWidget *client = form.client;
    const QFont comicBold = designer::font(QStringLiteral("Comic Sans MS"), 9.75, true);

    cmdImportCards = new QPushButton(tr("Import New Cards"), client);
    cmdImportCards->setObjectName(QStringLiteral("cmdImportCards"));
    cmdImportCards->setFont(designer::font(QStringLiteral("Comic Sans MS"), 9, true));
    place(cmdImportCards, 1680, 360, 2055, 495);
    connect(cmdImportCards, &QPushButton::clicked, this, &frmOptions::cmdImportCards_Click);

    cmbvoice = new QComboBox(client);
    cmbvoice->setObjectName(QStringLiteral("cmbvoice"));
    cmbvoice->setEditable(true);
    cmbvoice->setInsertPolicy(QComboBox::NoInsert);
    // Typed text must not pick an entry: only a choice from the list does.
    // The combo box would take a typed entry's name as a choice when editing
    // ends, so that path is cut.
    cmbvoice->setCompleter(nullptr);
    QObject::disconnect(cmbvoice->lineEdit(), &QLineEdit::editingFinished, cmbvoice, nullptr);
    // Named after its label, which is what a sighted user reads beside it.
    cmbvoice->setAccessibleName(tr("Select speech engine"));
    cmbvoice->lineEdit()->setAccessibleName(tr("Select speech engine"));
    place(cmbvoice, 2760, 1200, 2535, 315);
    connect(cmbvoice, &QComboBox::activated, this, &frmOptions::cmbvoice_Click);

    lblspeech = makeLabel(QStringLiteral("lblspeech"), tr("Select speech engine:"), client);
    lblspeech->setFont(comicBold);
    lblspeech->setBuddy(cmbvoice);
    place(lblspeech, 360, 1200, 2175, 375);

    Label1 = makeLabel(QStringLiteral("Label1"), tr("Select language:"), client);
    Label1->setFont(comicBold);
    place(Label1, 360, 1920, 2175, 375);

    Label2 = makeLabel(QStringLiteral("Label2"), tr("Not implemented yet."), client);
    place(Label2, 2760, 1920, 2295, 255);

    cmdclose = new QPushButton(tr("Close"), client);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setAutoDefault(false);
    place(cmdclose, 4440, 2520, 1095, 375);
    connect(cmdclose, &QPushButton::clicked, this, &frmOptions::cmdclose_Click);

    designer::line(client, QStringLiteral("Line1"), 0, 0, 5520, 0);

    QMenu *mnuFile = form.menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuclose = mnuFile->addAction(tr("&Close"), this, &frmOptions::mnuclose_Click);
    mnuclose->setObjectName(QStringLiteral("mnuclose"));

    QWidget::setTabOrder(cmdImportCards, cmbvoice);
    QWidget::setTabOrder(cmbvoice, cmdclose);
    cmdImportCards->setFocus();
    return form.window;
}

void frmOptions::releaseControls()
{
    cmdImportCards = nullptr;
    cmbvoice = nullptr;
    lblspeech = nullptr;
    Label1 = nullptr;
    Label2 = nullptr;
    cmdclose = nullptr;
}

EngineSelector *frmOptions::selector() const
{
    // Only this window reaches into the card window: for its selector control.
    return static_cast<frmCard &>(registry().form(FormName::frmCard)).DSSSpeech();
}

void frmOptions::Form_Load()
{
    // The first reference to the selector loads the card window, hidden.
    EngineSelector *DSSSpeech = selector();
    if (!DSSSpeech) {
        cmbvoice->lineEdit()->setPlaceholderText(tr(noVoicesText));
        return;
    }
    const SpeechResult<qint32> lookedUp = DSSSpeech->Find(QLatin1String(attributeText));
    if (!lookedUp)
        return showSelectorError(lookedUp.error());
    // A lookup that found nothing (0) has nothing to select: refusing it is no fault.
    if (const SpeechResult<> selected = DSSSpeech->Select(*lookedUp); !selected && *lookedUp != 0)
        return showSelectorError(selected.error());

    const SpeechResult<qint32> count = DSSSpeech->CountEngines();
    if (!count)
        return showSelectorError(count.error());
    if (*count <= 0)
        cmbvoice->lineEdit()->setPlaceholderText(tr(noVoicesText));
    for (qint32 mode = 1; mode <= qMin(*count, maxListEntries); ++mode) {
        const SpeechResult<QString> name = DSSSpeech->ModeName(mode);
        if (!name)
            return showSelectorError(name.error());
        cmbvoice->addItem(*name);
    }

    const SpeechResult<qint32> current = DSSSpeech->CurrentMode();
    if (!current)
        return showSelectorError(current.error());
    // A current mode the list cannot show marks nothing.
    const int position = *current >= 0 && *current <= cmbvoice->count() ? *current - 1 : -1;
    cmbvoice->setCurrentIndex(position);
    // Setting the position counts as a choice, as the user's would.
    if (position >= 0)
        cmbvoice_Click();
}

void frmOptions::cmbvoice_Click()
{
    if (!cmbvoice)
        return;
    const qint32 mode = qint32(cmbvoice->currentIndex()) + 1;
    EngineSelector *DSSSpeech = selector();
    if (!DSSSpeech)
        return;
    if (const SpeechResult<> chosen = DSSSpeech->setCurrentMode(mode); !chosen)
        return showSelectorError(chosen.error());
    // A voice that cannot speak the card set's language gives way to one that
    // can: the list marks the voice heard (without choosing it again).
    const SpeechResult<qint32> heard = DSSSpeech->CurrentMode();
    if (heard && *heard != mode && *heard >= 1 && *heard <= cmbvoice->count())
        cmbvoice->setCurrentIndex(*heard - 1);
}

void frmOptions::cmdImportCards_Click()
{
    registry().form(FormName::frmImportCards).Show();
}

void frmOptions::cmdclose_Click()
{
    registry().form(FormName::frmMain).Show();
    Unload();
}

void frmOptions::mnuclose_Click()
{
    cmdclose_Click();
}

void frmOptions::Form_Unload()
{
    // Nothing to save: the selector holds the chosen mode.
}

void frmOptions::showSelectorError(const SpeechError &error)
{
    QString text = tr("The speech voices could not be read or chosen.");
    if (!error.message.isEmpty())
        text += QStringLiteral("\n\n") + error.message;
    registry().showMessage(loadedWindow(), text, QMessageBox::Warning);
}
