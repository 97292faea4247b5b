#include "play/frmcard.h"

#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/messagebox.h"
#include "formkit/services.h"
#include "formkit/twips.h"
#include "play/cardpicture.h"
#include "play/cardplay.h"
#include "play/drawsequence.h"
#include "speech/engineselector.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>

Q_LOGGING_CATEGORY(lcPlay, "pomwit.play")

namespace {

constexpr int statusBarHeightTwips = 255;

} // namespace

frmCard::frmCard(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmCard"))
{
    const Services &services = registry.services();
    m_play = std::make_unique<CardPlay>(services.applicationFolder, services.audio, services.voice,
                                        std::make_unique<RandomDraw>(services.randomFraction));
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

    QMenu *file = form.menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    QAction *mnunext = file->addAction(tr("Next Word"), this, &frmCard::mnunext_Click);
    mnunext->setObjectName(QStringLiteral("mnunext"));
    mnunext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction *mnuShow = file->addAction(tr("Show Word"), this, &frmCard::mnuShow_Click);
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    mnuShow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *mnuFullScreen = file->addAction(tr("Full Screen"), this, &frmCard::mnuFullScreen_Click);
    mnuFullScreen->setObjectName(QStringLiteral("mnuFullScreen"));
    mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    QAction *exit = file->addAction(tr("E&xit to Main Menu"), this, [this] { Exit_Click(2); });
    exit->setObjectName(QStringLiteral("Exit"));
    // Shortcuts work wherever the focus is in this window, the answer box included.
    top->addActions({mnunext, mnuShow, mnuFullScreen});

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
    m_fullScreen.reset();
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
    registry().form(FormName::frmMain).Show();
}

void frmCard::ClearCard()
{
    imgcardpic->clear();
    lblAnswer->setText(QString());
    GetWord();
}

void frmCard::GetWord()
{
    const auto first = m_play->firstCard();
    if (!first)
        return showStoreError(first.error());
    // An empty table shows no card, and the state keeps what it held.
    if (first.value())
        Checkcard(m_play->scurrword());
}

qint32 frmCard::Wordcounter()
{
    const auto count = m_play->count();
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
    const CardStore &store = m_play->store();
    const auto path = store.picturePath(scurrword);
    const auto picture = path ? CardPicture::load(*path, store.picturesFolder())
                              : Result<QImage, QString>(path.error().message);
    m_pictureProblem = picture ? QString() : picture.error();
    if (picture) {
        imgcardpic->setPixmap(QPixmap::fromImage(*picture));
        setPictureNote(QString());
    } else {
        qCInfo(lcPlay) << picture.error();
        imgcardpic->setPixmap(QPixmap::fromImage(placeholderPicture(scurrword, imgcardpic->size())));
        // The file's name is the answer: it is told once the word is revealed.
        setPictureNote(tr("This card's picture cannot be shown. Show Word tells which file it is."));
    }
    // Until the word is revealed a screen reader must not say it.
    imgcardpic->setAccessibleName(tr("Card picture"));
    m_play->cardShown(scurrword);
}

void frmCard::cmdnextcard_Click()
{
    // A button's delayed click (its access key) can come while a phrase
    // plays: the card and the phrase stay together.
    if (!isLoaded() || registry().isBusy())
        return;
    lblAnswer->setText(QString());
    const StoreResult<CardDraw> draw = m_play->nextDraw();
    if (!draw)
        return showStoreError(draw.error());
    txtanswerbox->setFocus();
    Checkcard(draw->word);
    m_panel->setText(QStringLiteral("%1/%2").arg(draw->position).arg(draw->count));
    if (draw->reshuffleDue)
        ShowReshuffleNotice();
}

void frmCard::cmdshowword_Click()
{
    if (!isLoaded() || registry().isBusy())
        return;
    lblAnswer->setVisible(true);
    // No card yet: nothing to reveal, and " for " alone is not worth saying.
    if (!m_play->scurrword().isEmpty()) {
        QString word = m_play->scurrword();
        rightkeypressed(word);
    }
    if (!isLoaded())
        return;
    lblAnswer->setText(m_play->scurrword());
    cmdnextcard->setFocus();
}

void frmCard::txtanswerbox_KeyPress(const QString &typed)
{
    // No card has been shown yet in this run: there is nothing to check.
    if (m_play->cwatchkey().isEmpty())
        return;
    if (m_play->isRightKey(typed)) {
        QString word = m_play->scurrword();
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
    slabel = CardPlay::phrase(slabel);
    SayText(slabel);
}

// The word is found: the label, the picture's name and a picture's problem may name it now.
void frmCard::reveal(const QString &word)
{
    lblAnswer->setText(word);
    imgcardpic->setAccessibleName(word);
    if (!m_pictureProblem.isEmpty())
        setPictureNote(m_pictureProblem);
}

void frmCard::SayText(const QString &text)
{
    emit phraseSaid(text);
    SpeechResult<> spoken = Done{};
    {
        // Closing windows waits until the phrase has been spoken.
        BusyScope busy(registry());
        spoken = m_play->say(text);
    }
    if (!spoken && m_play->takeSoundProblem(spoken.error().kind))
        showMessage(spoken.error().message);
}

void frmCard::ShowReshuffleNotice()
{
    registry().services().messages->show(loadedWindow(), appinfo::title(), QString::fromLatin1(reshuffleNotice),
                                      QMessageBox::NoIcon);
    m_play->reshuffled();
}

void frmCard::cmdExit_Click()
{
    Unload();
    registry().form(FormName::frmMain).Show();
}

void frmCard::Exit_Click(qint16 Index)
{
    Q_UNUSED(Index);
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
    registry().form(FormName::frmAbout).Show();
}

void frmCard::mnuFullScreen_Click()
{
    if (!isLoaded() || fullScreenView())
        return;
    QString folder = m_fullScreenSettings.claimFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    std::unique_ptr<FullScreenClaim> claim = FullScreenClaim::take(folder);
    if (!claim)
        return showMessage(tr("Another Pomwit is playing full screen on this desktop."));
    // Made once a window's life: later F11s only show it.
    if (!m_fullScreen) {
        m_fullScreen = std::make_unique<FullScreenView>(*m_play, registry(), m_fullScreenSettings);
        connect(m_fullScreen.get(), &FullScreenView::phraseSaid, this, &frmCard::phraseSaid);
        // Not from inside the view's own handler: the view ends when this runs.
        connect(m_fullScreen.get(), &FullScreenView::left, this, &frmCard::leaveFullScreen, Qt::QueuedConnection);
    }
    QWidget *top = loadedWindow();
    m_fullScreen->enter(top->screen(), m_panel->text(), !lblAnswer->text().isEmpty(), std::move(claim));
    top->hide();
}

void frmCard::leaveFullScreen()
{
    if (!fullScreenView())
        return;
    const QString status = m_fullScreen->status();
    const bool revealed = m_fullScreen->revealed();
    m_fullScreen->end();
    qCInfo(lcPlay).noquote() << "full screen left at card" << m_play->numrandloc() << status;
    if (!isLoaded())
        return;
    Checkcard(m_play->scurrword());
    m_panel->setText(status);
    if (revealed)
        reveal(m_play->scurrword());
    Show();
    txtanswerbox->setFocus();
}

void frmCard::showStoreError(const StoreError &error)
{
    qCWarning(lcPlay) << error.message;
    // An empty card set is no fault of the program's: said plainly, without a warning sign.
    const auto icon = error.kind == StoreError::Kind::NoCards ? QMessageBox::Information : QMessageBox::Warning;
    registry().services().messages->show(loadedWindow(), appinfo::title(), error.message, icon);
}

void frmCard::showMessage(const QString &text)
{
    registry().services().messages->show(loadedWindow(), appinfo::title(), text, QMessageBox::Information);
}

void frmCard::setPictureNote(const QString &note)
{
    if (!m_note)
        return;
    m_note->setToolTip(note);
    m_note->setText(m_note->fontMetrics().elidedText(note, Qt::ElideMiddle, qMax(40, m_note->width())));
}
