#include "play/frmcard.h"

#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/services.h"
#include "formkit/twips.h"
#include "deck/storemessages.h"
#include "play/cardpicture.h"
#include "play/cardsession.h"
#include "play/drawsequence.h"
#include "play/playlogging.h"
#include "speech/engineselector.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int statusBarHeightTwips = 255;

} // namespace

frmCard::frmCard(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmCard"))
{
    const Services &services = registry.services();
    m_session = std::make_unique<CardSession>(services.applicationFolder, services.phrases, services.voice,
                                              std::make_unique<RandomDraw>(services.randomFraction));
    // From the event loop: the phrase's end is told from inside the sound output.
    connect(m_session.get(), &CardSession::soundProblem, this, &frmCard::soundProblem, Qt::QueuedConnection);
    connect(m_session.get(), &CardSession::phraseEnded, this, &frmCard::carryOutHeld, Qt::QueuedConnection);
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
    m_menuBar = form.menuBar;
    m_menuBar->installEventFilter(this);

    imgcardpic = new QLabel(client);
    imgcardpic->setObjectName(QStringLiteral("imgcardpic"));
    imgcardpic->setScaledContents(true);
    imgcardpic->setAccessibleName(tr("Card picture"));
    place(imgcardpic, 0, 120, 4095, 3255);

    lblAnswer = new QLabel(client);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    lblAnswer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAnswer->setFont(designer::font(QStringLiteral("MS Sans Serif"), 24, true));
    // A screen reader reads what the label shows; the description says what it is.
    lblAnswer->setAccessibleDescription(tr("Answer"));
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
    // A child's right click would open an editing menu over the hidden box.
    txtanswerbox->setContextMenuPolicy(Qt::NoContextMenu);
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
    m_panel->setAccessibleDescription(tr("Card number"));
    StatusBar->addWidget(m_panel);
    m_note = new QLabel(StatusBar);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setAccessibleDescription(tr("Note"));
    StatusBar->addWidget(m_note, 1);
    place(StatusBar, 0, 4875, 4155, statusBarHeightTwips);
    // The status bar alone follows the bottom edge and the width.
    client->installEventFilter(this);

    m_selector = registry().services().makeEngineSelector(registry().services().voice, client);
    m_selector->setObjectName(QStringLiteral("DSSSpeech"));
    place(m_selector, 3840, 3480, 255, 255);
    m_selector->hide();

    designer::line(client, QStringLiteral("Line1"), 0, 0, 4080, 0);

    QMenu *file = m_menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    QAction *mnunext = file->addAction(tr("Next Word"), this, &frmCard::mnunext_Click);
    mnunext->setObjectName(QStringLiteral("mnunext"));
    mnunext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction *mnuShow = file->addAction(tr("Show Word"), this, &frmCard::mnuShow_Click);
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    mnuShow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *exit = file->addAction(tr("E&xit to Main Menu"), this, [this] { Exit_Click(2); });
    exit->setObjectName(QStringLiteral("Exit"));
    // An addition to the designed menu: after it, so that the designed keys keep their places.
    file->addSeparator();
    QAction *mnuFullScreen = file->addAction(tr("Full Screen"), this, &frmCard::mnuFullScreen_Click);
    mnuFullScreen->setObjectName(QStringLiteral("mnuFullScreen"));
    mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    // Shortcuts work wherever the focus is in this window, the answer box included.
    top->addActions({mnunext, mnuShow, mnuFullScreen});

    QMenu *mnuHelp = m_menuBar->addMenu(tr("&Help"));
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
    m_fullScreen.reset();
    m_held.clear();
    imgcardpic = nullptr;
    lblAnswer = nullptr;
    cmdshowword = nullptr;
    cmdnextcard = nullptr;
    txtanswerbox = nullptr;
    cmdExit = nullptr;
    StatusBar = nullptr;
    m_panel = nullptr;
    m_note = nullptr;
    m_menuBar = nullptr;
    m_selector = nullptr;
}

bool frmCard::eventFilter(QObject *watched, QEvent *event)
{
    const bool typing = event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod;
    if (txtanswerbox && watched == txtanswerbox && typing) {
        if (!m_replayingKey) {
            const std::shared_ptr<QEvent> copy(event->clone());
            const auto replay = [this, copy] {
                if (!txtanswerbox)
                    return;
                const QScopedValueRollback<bool> replaying(m_replayingKey, true);
                QApplication::sendEvent(txtanswerbox, copy.get());
            };
            if (hold(replay))
                return true;
        }
        // A dead key and its letter, or an input method's letter, come as one text.
        if (event->type() == QEvent::InputMethod) {
            if (const QString text = static_cast<QInputMethodEvent *>(event)->commitString(); !text.isEmpty())
                txtanswerbox_KeyPress(text);
            return false;
        }
        auto *key = static_cast<QKeyEvent *>(event);
        // Only keys that type a character are key presses; the box then
        // receives the character as usual.
        if (!key->text().isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            txtanswerbox_KeyPress(key->text());
        return false;
    }
    if (m_menuBar && watched == m_menuBar && event->type() == QEvent::KeyPress)
        return menuBarKey(static_cast<QKeyEvent *>(event));
    if (StatusBar && event->type() == QEvent::Resize && watched == StatusBar->parentWidget()) {
        const QWidget *client = StatusBar->parentWidget();
        const int height = px(statusBarHeightTwips);
        StatusBar->setGeometry(0, client->height() - height, client->width(), height);
        return false;
    }
    return Form::eventFilter(watched, event);
}

// A tap on Alt, or a menu opened and closed with Esc, leaves the menu bar
// holding the keyboard. A letter that opens no menu goes where the keys went
// before, so that a toddler's next key still reaches the card.
bool frmCard::menuBarKey(QKeyEvent *key)
{
    if (!m_menuBar->hasFocus() || key->text().isEmpty() || !key->text().at(0).isPrint()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    for (const QAction *menu : m_menuBar->actions()) {
        if (QKeySequence::mnemonic(menu->text()) == pressed)
            return false;
    }
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_menuBar, &escape);
    if (QWidget *focus = QApplication::focusWidget(); focus && focus != m_menuBar) {
        const std::unique_ptr<QKeyEvent> copy(key->clone());
        QApplication::sendEvent(focus, copy.get());
    }
    return true;
}

void frmCard::Form_Load()
{
    ClearCard();
}

void frmCard::Form_Unload()
{
    m_session->stopSpeaking();
    Unload();
    registry().form(FormName::frmMain).Show();
}

void frmCard::closeRequested()
{
    // A recording is stopped; a phrase is waited for.
    m_session->stopRecording();
    if (hold([this] { closeRequested(); }))
        return;
    Unload();
}

bool frmCard::hold(std::function<void()> command)
{
    const bool holding = m_session->isSpeaking() || m_messagesOpen > 0 || (!m_held.isEmpty() && !m_carryingOut);
    if (holding)
        m_held.append(std::move(command));
    return holding;
}

void frmCard::carryOutHeld()
{
    while (isLoaded() && !m_held.isEmpty() && !m_session->isSpeaking() && m_messagesOpen == 0) {
        const std::function<void()> command = m_held.takeFirst();
        const QScopedValueRollback<bool> carrying(m_carryingOut, true);
        command();
    }
}

void frmCard::ClearCard()
{
    imgcardpic->clear();
    lblAnswer->setText(QString());
    GetWord();
}

void frmCard::GetWord()
{
    const auto first = m_session->loadFirstCard();
    if (!first)
        return showStoreError(first.error());
    // An empty table shows no card, and the state keeps what it held.
    if (first.value())
        Checkcard(m_session->scurrword());
}

qint32 frmCard::Wordcounter()
{
    const auto count = m_session->count();
    if (!count) {
        showStoreError(count.error());
        return -1;
    }
    return *count;
}

void frmCard::Checkcard(QString scurrword)
{
    if (!imgcardpic)
        return;
    lblAnswer->setText(QString());
    CardStore &store = m_session->store();
    const auto path = store.picturePath(scurrword);
    const auto picture = path ? CardPicture::load(*path, store.picturesFolder())
                              : Result<QImage, QString>(path.error().message);
    if (picture) {
        m_pictureProblem.reset();
        imgcardpic->setPixmap(QPixmap::fromImage(*picture));
        setPictureNote(QString());
    } else {
        m_pictureProblem = picture.error();
        qCInfo(lcPlay) << picture.error();
        imgcardpic->setPixmap(QPixmap::fromImage(placeholderPicture(scurrword, imgcardpic->size())));
        // The file's name is the answer: it is told once the word is revealed.
        setPictureNote(tr("This card's picture cannot be shown. Show Word tells which file it is."));
    }
    // Until the word is revealed a screen reader must not say it.
    imgcardpic->setAccessibleName(tr("Card picture"));
    m_session->cardShown(scurrword);
}

void frmCard::cmdnextcard_Click()
{
    if (!isLoaded() || hold([this] { cmdnextcard_Click(); }))
        return;
    lblAnswer->setText(QString());
    const StoreResult<CardDraw> draw = m_session->nextCard();
    if (!draw)
        return showStoreError(draw.error());
    txtanswerbox->setFocus();
    m_panel->setText(m_session->status());
    if (draw->word) {
        Checkcard(*draw->word);
    } else {
        // A row without a word: dealt, so the stack moves on, but nothing to show.
        imgcardpic->clear();
        m_pictureProblem.reset();
        setPictureNote(QString());
        showStoreError(storeMessages::noWord(m_session->store().databasePath(), draw->position));
    }
    if (draw->reshuffleDue && isLoaded())
        ShowReshuffleNotice();
}

void frmCard::cmdshowword_Click()
{
    if (!isLoaded() || hold([this] { cmdshowword_Click(); }))
        return;
    lblAnswer->setVisible(true);
    // No card yet: nothing to reveal, and " for " alone is not worth saying.
    if (!m_session->scurrword().isEmpty()) {
        QString word = m_session->scurrword();
        rightkeypressed(word);
    }
    if (!isLoaded())
        return;
    lblAnswer->setText(m_session->scurrword());
    cmdnextcard->setFocus();
}

void frmCard::txtanswerbox_KeyPress(const QString &typed)
{
    // No card has been shown yet in this run: there is nothing to check.
    if (m_session->cwatchkey().isEmpty())
        return;
    if (m_session->isRightKey(typed)) {
        QString word = m_session->scurrword();
        rightkeypressed(word);
    } else if (txtanswerbox) {
        txtanswerbox->setText(QString());
    }
}

void frmCard::rightkeypressed(QString &slabel)
{
    if (!lblAnswer)
        return;
    reveal(slabel);
    slabel = m_session->phrase(slabel);
    SayText(slabel);
}

// The word is found: the label, the picture's name and a picture's problem may name it now.
void frmCard::reveal(const QString &word)
{
    m_session->reveal();
    lblAnswer->setText(word);
    imgcardpic->setAccessibleName(word);
    if (m_pictureProblem)
        setPictureNote(*m_pictureProblem);
}

void frmCard::SayText(const QString &text)
{
    emit phraseSaid(text);
    // The phrase plays on; its end, and a problem it met, come from the session.
    if (const SpeechResult<> started = m_session->say(text); !started) {
        if (m_session->takeSoundProblem(started.error().kind))
            showMessage(started.error().message);
    }
}

void frmCard::soundProblem(const QString &message)
{
    // Full screen tells it in its own way.
    if (isLoaded() && !fullScreenView())
        showMessage(message);
}

void frmCard::ShowReshuffleNotice()
{
    showMessage(tr(reshuffleNotice), QMessageBox::NoIcon);
    m_session->reshuffled();
}

void frmCard::cmdExit_Click()
{
    m_session->stopRecording();
    if (hold([this] { cmdExit_Click(); }))
        return;
    Unload();
    registry().form(FormName::frmMain).Show();
}

void frmCard::Exit_Click(qint16 Index)
{
    Q_UNUSED(Index);
    m_session->stopRecording();
    if (hold([this, Index] { Exit_Click(Index); }))
        return;
    Unload();
    registry().form(FormName::frmMain).Show();
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
    if (hold([this] { mnuAbout_Click(); }))
        return;
    registry().form(FormName::frmAbout).Show();
}

void frmCard::mnuFullScreen_Click()
{
    if (!isLoaded() || fullScreenView() || hold([this] { mnuFullScreen_Click(); }))
        return;
    QString folder = m_fullScreenSettings.claimFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    std::unique_ptr<FullScreenClaim> claim = FullScreenClaim::take(folder);
    if (!claim)
        return showMessage(tr("Another Pomwit is playing full screen on this desktop."));
    // Made once a window's life: later F11s only show it.
    if (!m_fullScreen) {
        m_fullScreen = std::make_unique<FullScreenView>(*m_session, m_fullScreenSettings);
        connect(m_fullScreen.get(), &FullScreenView::phraseSaid, this, &frmCard::phraseSaid);
        // Not from inside the view's own handler: the view ends when this runs.
        connect(m_fullScreen.get(), &FullScreenView::left, this, &frmCard::leaveFullScreen, Qt::QueuedConnection);
    }
    QWidget *top = loadedWindow();
    m_fullScreen->enter(top->screen(), std::move(claim));
    top->hide();
}

void frmCard::leaveFullScreen()
{
    if (!fullScreenView())
        return;
    m_fullScreen->end();
    qCInfo(lcPlay).noquote() << "full screen left at card" << m_session->numrandloc() << m_session->status();
    if (!isLoaded())
        return;
    // The card window shows the session as full screen left it.
    const QString word = m_session->scurrword();
    if (word.isEmpty()) {
        imgcardpic->clear();
        lblAnswer->clear();
        m_pictureProblem.reset();
        setPictureNote(QString());
    } else {
        Checkcard(word);
    }
    m_panel->setText(m_session->status());
    if (m_session->revealed() && !word.isEmpty())
        reveal(word);
    Show();
    txtanswerbox->setFocus();
}

void frmCard::showStoreError(const StoreError &error)
{
    qCWarning(lcPlay) << error.message;
    // An empty card set is no fault of the program's: said plainly, without a warning sign.
    const auto icon = error.kind == StoreError::Kind::NoCards ? QMessageBox::Information : QMessageBox::Warning;
    showMessage(error.message, icon);
}

void frmCard::showMessage(const QString &text, QMessageBox::Icon icon)
{
    ++m_messagesOpen;
    registry().showMessage(loadedWindow(), text, icon);
    --m_messagesOpen;
    // What came while the box was open goes on from the event loop.
    if (m_messagesOpen == 0 && !m_held.isEmpty())
        QTimer::singleShot(0, this, &frmCard::carryOutHeld);
}

void frmCard::setPictureNote(const QString &note)
{
    if (!m_note)
        return;
    m_note->setToolTip(note);
    m_note->setText(m_note->fontMetrics().elidedText(note, Qt::ElideMiddle, qMax(40, m_note->width())));
}
