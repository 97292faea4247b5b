#include "windows/frmoptions.h"

#include "base/languagetag.h"
#include "deck/cardsetchange.h"
#include "deck/databasefile.h"
#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/messagebox.h"
#include "formkit/services.h"
#include "play/cardsession.h"
#include "play/frmcard.h"
#include "speech/engineselector.h"
#include "speech/speechsystem.h"
#include "windows/cardsetwriter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <utility>

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

// The language's name in that language, capitalised as at the start of a
// list: "Deutsch", "Français", "English". Qt names some languages by their
// main country's variant ("American English" for "en"), so the name most of
// the language's countries use is taken; a language Qt does not know keeps
// its tag.
QString ownName(const QString &tag)
{
    const QLocale locale(tag);
    if (locale.language() == QLocale::C)
        return tag;
    QMap<QString, int> countries;
    const auto variants = QLocale::matchingLocales(locale.language(), QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &variant : variants) {
        if (const QString name = variant.nativeLanguageName(); !name.isEmpty())
            ++countries[name];
    }
    QString name = locale.nativeLanguageName();
    for (auto it = countries.cbegin(); it != countries.cend(); ++it) {
        if (it.value() > countries.value(name))
            name = it.key();
    }
    if (name.isEmpty())
        name = QLocale::languageToString(locale.language());
    return locale.toUpper(name.left(1)) + name.mid(1);
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

    cmblanguage = new QComboBox(client);
    cmblanguage->setObjectName(QStringLiteral("cmblanguage"));
    cmblanguage->setAccessibleName(tr("Select language"));
    place(cmblanguage, 2760, 1920, 2535, 315);
    connect(cmblanguage, &QComboBox::activated, this, &frmOptions::cmblanguage_Click);

    Label1 = makeLabel(QStringLiteral("Label1"), tr("Select language:"), client);
    Label1->setFont(comicBold);
    Label1->setBuddy(cmblanguage);
    place(Label1, 360, 1920, 2175, 375);

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
    QWidget::setTabOrder(cmbvoice, cmblanguage);
    QWidget::setTabOrder(cmblanguage, cmdclose);
    cmdImportCards->setFocus();

    // Goes with the controls: a change under way when the window closes is
    // still made, whole, but nobody waits for it.
    m_writer = new CardSetWriter(registry().services().applicationFolder, client);
    connect(m_writer, &CardSetWriter::finished, this, &frmOptions::languageWritten);
    return form.window;
}

void frmOptions::releaseControls()
{
    cmdImportCards = nullptr;
    cmbvoice = nullptr;
    lblspeech = nullptr;
    Label1 = nullptr;
    cmblanguage = nullptr;
    cmdclose = nullptr;
    m_writer = nullptr;
}

EngineSelector *frmOptions::selector() const
{
    // Only this window reaches into the card window: for its selector control.
    return static_cast<frmCard &>(registry().form(FormName::frmCard)).DSSSpeech();
}

CardSession &frmOptions::cardSession() const
{
    // The card window's play state, which outlives its controls: its
    // language is the card set's.
    return static_cast<frmCard &>(registry().form(FormName::frmCard)).session();
}

void frmOptions::Form_Load()
{
    // The first reference to the selector loads the card window, hidden.
    EngineSelector *DSSSpeech = selector();
    listLanguages();
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

    if (const SpeechResult<> listed = listVoices(*DSSSpeech); !listed)
        return showSelectorError(listed.error());

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

SpeechResult<> frmOptions::listVoices(EngineSelector &DSSSpeech)
{
    cmbvoice->clear();
    const SpeechResult<qint32> count = DSSSpeech.CountEngines();
    if (!count)
        return count.error();
    cmbvoice->lineEdit()->setPlaceholderText(*count <= 0 ? tr(noVoicesText) : QString());
    for (qint32 mode = 1; mode <= qMin(*count, maxListEntries); ++mode) {
        const SpeechResult<QString> name = DSSSpeech.ModeName(mode);
        if (!name)
            return name.error();
        cmbvoice->addItem(*name);
    }
    return Done{};
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

void frmOptions::listLanguages()
{
    CardSession &session = cardSession();
    session.readLanguage();
    QList<std::pair<QString, QString>> languages; // name, tag
    for (const QString &tag : SpeechSystem::instance().languages())
        languages.append({ownName(tag), tag});
    // Sorted as their readers would look for them, not by their codes.
    std::sort(languages.begin(), languages.end(),
              [](const auto &a, const auto &b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    cmblanguage->clear();
    for (const auto &[name, tag] : std::as_const(languages))
        cmblanguage->addItem(name, tag);

    const auto database = DatabaseFile::inspect(session.store().databasePath());
    const bool access = database && database.value().kind() == DatabaseFile::Kind::Access;
    cmblanguage->setEnabled(!access);
    cmblanguage->setToolTip(access ? tr("This card set is an Access file, which has no place for a language. "
                                        "Convert it first, in a terminal: sudo pomwit-cards convert")
                                   : QString());
    showLanguage(session.language());
}

void frmOptions::showLanguage(const QString &language)
{
    for (int i = 0; i < cmblanguage->count(); ++i) {
        if (languageTag::sameLanguage(cmblanguage->itemData(i).toString(), language))
            return cmblanguage->setCurrentIndex(i);
    }
    // A language no voice speaks (set by hand) is still the card set's.
    cmblanguage->insertItem(0, ownName(language), language);
    cmblanguage->setCurrentIndex(0);
}

void frmOptions::cmblanguage_Click()
{
    if (!cmblanguage || !m_writer || m_writer->isBusy())
        return;
    const QString chosen = cmblanguage->currentData().toString();
    CardSession &session = cardSession();
    if (languageTag::sameLanguage(chosen, session.language()))
        return;
    // The list waits for the change; the keyboard comes back to it after.
    m_refocus = cmblanguage->hasFocus();
    cmblanguage->setEnabled(false);
    m_writer->submit(CardSetChange::of(CardSetChange::SetLanguage{chosen}));
}

void frmOptions::languageWritten(bool done, const QString &message)
{
    if (!cmblanguage)
        return;
    CardSession &session = cardSession();
    session.readLanguage();
    showLanguage(session.language());
    cmblanguage->setEnabled(true);
    if (std::exchange(m_refocus, false))
        cmblanguage->setFocus();
    if (!done)
        return registry().showMessage(loadedWindow(), message, QMessageBox::Warning);
    // The new language's voices first; the mode marked is the voice now heard.
    EngineSelector *DSSSpeech = selector();
    if (!DSSSpeech)
        return;
    if (const SpeechResult<> listed = listVoices(*DSSSpeech); !listed)
        return showSelectorError(listed.error());
    const SpeechResult<qint32> heard = DSSSpeech->CurrentMode();
    if (heard && *heard >= 1 && *heard <= cmbvoice->count())
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
