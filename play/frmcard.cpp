#include "play/frmcard.h"

#include "app/appinfo.h"
#include "app/designer.h"
#include "app/forms.h"
#include "app/frmmain.h"
#include "app/messagebox.h"
#include "app/twips.h"
#include "deck/storemessages.h"
#include "play/cardpicture.h"
#include "speech/engineselector.h"
#include "windows/frmabout.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QStatusBar>

#include <chrono>
#include <cmath>

Q_LOGGING_CATEGORY(lcPlay, "pomwit.play")

namespace {

// The first character as stored; a surrogate pair counts as one character.
QString firstCharacter(const QString &word)
{
    if (word.size() > 1 && word.at(0).isHighSurrogate() && word.at(1).isLowSurrogate())
        return word.left(2);
    return word.left(1);
}

constexpr int statusBarHeightTwips = 255;

} // namespace

frmCard::frmCard(Forms &forms)
    : Form(forms, QStringLiteral("frmCard"))
    , m_store(forms.services().applicationFolder)
{
}

frmCard::~frmCard() = default;

EngineSelector *frmCard::DSSSpeech()
{
    window();
    return m_selector;
}

QWidget *frmCard::createControls()
{
    using designer::place;
    const auto form = designer::makeWindow(tr("FlashCard"), 4155, 5130, true);
    QWidget *top = form.window;
    top->setWindowIcon(appinfo::applicationIcon());
    QWidget *client = form.client;

    imgcardpic = new QLabel(client);
    imgcardpic->setObjectName(QStringLiteral("imgcardpic"));
    imgcardpic->setScaledContents(true);
    imgcardpic->setAccessibleName(tr("Card picture"));
    place(imgcardpic, 0, 120, 4095, 3255);

    lblAnswer = new QLabel(client);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    lblAnswer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAnswer->setFont(designer::font(QStringLiteral("MS Sans Serif"), 24, true));
    lblAnswer->setAccessibleName(tr("Answer"));
    place(lblAnswer, 480, 3360, 3135, 615);

    cmdshowword = new QPushButton(tr("&Show Word"), client);
    cmdshowword->setObjectName(QStringLiteral("cmdshowword"));
    cmdshowword->setToolTip(tr("Show Word"));
    cmdshowword->setAutoDefault(false);
    place(cmdshowword, 120, 4320, 975, 375);
    connect(cmdshowword, &QPushButton::clicked, this, &frmCard::cmdshowword_Click);

    txtanswerbox = new QLineEdit(client);
    txtanswerbox->setObjectName(QStringLiteral("txtanswerbox"));
    txtanswerbox->setAccessibleName(tr("Type the first letter"));
    place(txtanswerbox, 2040, 4320, 255, 285);
    txtanswerbox->installEventFilter(this);

    // The Next Card button lies over the answer box and hides it.
    cmdnextcard = new QPushButton(tr("&Next Card"), client);
    cmdnextcard->setObjectName(QStringLiteral("cmdnextcard"));
    cmdnextcard->setToolTip(tr("Next Card"));
    cmdnextcard->setAutoDefault(false);
    place(cmdnextcard, 1560, 4320, 975, 375);
    connect(cmdnextcard, &QPushButton::clicked, this, &frmCard::cmdnextcard_Click);

    // The cancel button: Esc runs Next Card and never reaches the key check.
    // Enter is left to the key check, since toddlers press it all the time.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), top);
    escape->setObjectName(QStringLiteral("cancel"));
    connect(escape, &QShortcut::activated, cmdnextcard, &QPushButton::click);

    cmdExit = new QPushButton(tr("E&xit"), client);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setToolTip(tr("Exit"));
    cmdExit->setAutoDefault(false);
    place(cmdExit, 3360, 4320, 735, 375);
    connect(cmdExit, &QPushButton::clicked, this, &frmCard::cmdExit_Click);

    StatusBar = new QStatusBar(client);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    m_panel = new QLabel(StatusBar);
    m_panel->setObjectName(QStringLiteral("panel1"));
    m_panel->setFixedWidth(px(1440));
    m_panel->setAccessibleName(tr("Card number"));
    StatusBar->addWidget(m_panel);
    m_note = new QLabel(StatusBar);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setAccessibleName(tr("Note"));
    StatusBar->addWidget(m_note, 1);
    place(StatusBar, 0, 4875, 4155, statusBarHeightTwips);
    // The status bar alone follows the bottom edge and the width.
    client->installEventFilter(this);

    m_selector = forms().services().makeEngineSelector(client);
    m_selector->setObjectName(QStringLiteral("DSSSpeech"));
    place(m_selector, 3840, 3480, 255, 255);
    m_selector->hide();

    designer::line(client, QStringLiteral("Line1"), 0, 0, 4080, 0);

    QMenu *file = form.menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    QAction *mnunext = file->addAction(tr("Next Word"), this, &frmCard::mnunext_Click);
    mnunext->setObjectName(QStringLiteral("mnunext"));
    mnunext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction *mnuShow = file->addAction(tr("Show Word"), this, &frmCard::mnuShow_Click);
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    mnuShow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *exit = file->addAction(tr("E&xit to Main Menu"), this, [this] { Exit_Click(2); });
    exit->setObjectName(QStringLiteral("Exit"));
    // Shortcuts work wherever the focus is in this window, the answer box included.
    top->addActions({mnunext, mnuShow});

    QMenu *mnuHelp = form.menuBar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction *mnuAbout = mnuHelp->addAction(tr("&About"), this, &frmCard::mnuAbout_Click);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    QWidget::setTabOrder(txtanswerbox, cmdExit);
    QWidget::setTabOrder(cmdExit, cmdshowword);
    QWidget::setTabOrder(cmdshowword, cmdnextcard);
    txtanswerbox->setFocus();
    return top;
}

void frmCard::releaseControls()
{
    imgcardpic = nullptr;
    lblAnswer = nullptr;
    cmdshowword = nullptr;
    cmdnextcard = nullptr;
    txtanswerbox = nullptr;
    cmdExit = nullptr;
    StatusBar = nullptr;
    m_panel = nullptr;
    m_note = nullptr;
    m_selector = nullptr;
}

bool frmCard::eventFilter(QObject *watched, QEvent *event)
{
    if (txtanswerbox && watched == txtanswerbox && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Only keys that type a character are key presses; the box then
        // receives the character as usual.
        if (!key->text().isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            txtanswerbox_KeyPress(key->text());
        return false;
    }
    if (StatusBar && event->type() == QEvent::Resize && watched == StatusBar->parentWidget()) {
        const QWidget *client = StatusBar->parentWidget();
        const int height = px(statusBarHeightTwips);
        StatusBar->setGeometry(0, client->height() - height, client->width(), height);
        return false;
    }
    return Form::eventFilter(watched, event);
}

void frmCard::Form_Load()
{
    ClearCard();
}

void frmCard::Form_Unload()
{
    Unload();
    forms().main().Show();
}

void frmCard::ClearCard()
{
    imgcardpic->clear();
    lblAnswer->setText(QString());
    GetWord();
}

void frmCard::GetWord()
{
    const auto first = m_store.firstCard();
    if (!first) {
        showStoreError(first.error());
        return;
    }
    if (!first.value())
        return; // an empty table: no card, and the state keeps what it held
    m_state.scurrword = *first.value();
    Checkcard(m_state.scurrword);
}

qint32 frmCard::Wordcounter()
{
    const auto count = m_store.count();
    if (!count) {
        showStoreError(count.error());
        return -1;
    }
    return count.value();
}

void frmCard::Checkcard(QString scurrword)
{
    if (!imgcardpic)
        return;
    lblAnswer->setText(QString());
    const PicturePath path = m_store.picturePath(scurrword);
    CardPicture picture = path.ok() ? CardPicture::load(path.path, m_store.picturesFolder())
                                    : CardPicture{QImage(), path.error};
    if (picture.ok()) {
        imgcardpic->setPixmap(QPixmap::fromImage(picture.image));
        setPictureNote(QString());
    } else {
        qCInfo(lcPlay) << picture.problem;
        imgcardpic->setPixmap(QPixmap::fromImage(placeholderPicture(scurrword, imgcardpic->size())));
        setPictureNote(picture.problem);
    }
    // Until the word is revealed a screen reader must not say it.
    imgcardpic->setAccessibleName(tr("Card picture"));
    m_state.cwatchkey = firstCharacter(scurrword);
}

void frmCard::cmdnextcard_Click()
{
    if (!isLoaded())
        return;
    lblAnswer->setText(QString());
    // Rows may be deleted between the count and the read: then draw again
    // within the rows that remain.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const qint32 count = Wordcounter();
        if (count < 0)
            return;
        if (count == 0) {
            showMessage(tr("The card set \"%1\" has no cards yet.\n\n"
                           "Copy a picture into the pictures folder and add its name to the table tblflashcards.")
                            .arg(QDir::toNativeSeparators(m_store.databasePath())));
            return;
        }
        const qint32 position = qBound(0, qint32(std::floor(nextRandomFraction() * count)), count - 1);
        const auto word = m_store.cardAt(position);
        if (!word) {
            if (word.error().kind == StoreError::Kind::NoSuchPosition)
                continue;
            showStoreError(word.error());
            return;
        }
        m_state.numrandloc = position;
        ++m_state.allcardsplayed;
        m_state.scurrword = word.value();
        txtanswerbox->setFocus();
        Checkcard(m_state.scurrword);
        m_panel->setText(QStringLiteral("%1/%2").arg(m_state.numrandloc).arg(count));
        // Reached or passed: rows deleted meanwhile cannot skip the notice.
        if (m_state.allcardsplayed >= count)
            ShowReshuffleNotice();
        return;
    }
    showStoreError(storeMessages::noSuchPosition(m_store.databasePath(), m_state.numrandloc));
}

void frmCard::cmdshowword_Click()
{
    if (!isLoaded())
        return;
    lblAnswer->setVisible(true);
    if (!m_state.scurrword.isEmpty()) {
        QString word = m_state.scurrword;
        rightkeypressed(word);
    }
    if (!isLoaded())
        return;
    lblAnswer->setText(m_state.scurrword);
    cmdnextcard->setFocus();
}

void frmCard::txtanswerbox_KeyPress(const QString &typed)
{
    // No card has been shown yet in this run: there is nothing to check.
    if (m_state.cwatchkey.isEmpty())
        return;
    // The first letter in either case, on Unicode text ("ü" and "Ü" alike).
    if (typed.compare(m_state.cwatchkey, Qt::CaseInsensitive) == 0) {
        QString word = m_state.scurrword;
        rightkeypressed(word);
    } else if (txtanswerbox) {
        txtanswerbox->setText(QString());
    }
}

void frmCard::rightkeypressed(QString &slabel)
{
    if (!lblAnswer)
        return;
    lblAnswer->setText(slabel);
    if (imgcardpic)
        imgcardpic->setAccessibleName(slabel);
    slabel = firstCharacter(slabel) + QStringLiteral(" for ") + slabel;
    SayText(slabel);
}

void frmCard::SayText(const QString &text)
{
    if (!m_state.voice)
        m_state.voice = std::make_unique<SpeakingVoice>(forms().services().audio);
    emit phraseSaid(text);
    bool spoken = false;
    {
        // Closing windows waits until the phrase has been spoken.
        BusyScope busy(forms());
        spoken = m_state.voice->setRate(-1) && m_state.voice->Speak(text, 0);
    }
    if (!spoken && !m_state.soundProblemShown) {
        m_state.soundProblemShown = true;
        const QString reason = m_state.voice->lastError();
        showMessage(reason.isEmpty() ? tr("Sound is not available, so the words are shown but not spoken.") : reason);
    }
}

void frmCard::ShowReshuffleNotice()
{
    forms().services().messages->show(loadedWindow(), appinfo::title(), QString::fromLatin1(reshuffleNotice),
                                      QMessageBox::NoIcon);
    m_state.allcardsplayed = 0;
}

void frmCard::cmdExit_Click()
{
    Unload();
    forms().main().Show();
}

void frmCard::Exit_Click(qint16 Index)
{
    Q_UNUSED(Index);
    Unload();
    forms().main().Show();
}

void frmCard::mnunext_Click()
{
    cmdnextcard_Click();
}

void frmCard::mnuShow_Click()
{
    cmdshowword_Click();
}

void frmCard::mnuAbout_Click()
{
    forms().about().Show();
}

void frmCard::showStoreError(const StoreError &error)
{
    qCWarning(lcPlay) << error.message;
    forms().services().messages->show(loadedWindow(), appinfo::title(), error.message, QMessageBox::Warning);
}

void frmCard::showMessage(const QString &text)
{
    forms().services().messages->show(loadedWindow(), appinfo::title(), text, QMessageBox::Information);
}

void frmCard::setPictureNote(const QString &note)
{
    if (!m_note)
        return;
    m_note->setToolTip(note);
    m_note->setText(m_note->fontMetrics().elidedText(note, Qt::ElideMiddle, qMax(40, m_note->width())));
}

double frmCard::nextRandomFraction() const
{
    if (forms().services().randomFraction)
        return forms().services().randomFraction();
    // Reseeded from the time of day before every draw.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto sinceMidnight = std::chrono::duration_cast<std::chrono::nanoseconds>(now % std::chrono::hours(24));
    QRandomGenerator generator(quint64(sinceMidnight.count()));
    return generator.generateDouble();
}
