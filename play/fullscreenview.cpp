#include "play/fullscreenview.h"

#include "deck/picturefile.h"
#include "deck/storemessages.h"
#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "play/cardpicture.h"
#include "play/cardsession.h"
#include "play/largepicture.h"
#include "play/leavechord.h"
#include "play/playlogging.h"
#include "play/screensaverinhibitor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {

const QColor background(Qt::white);
const QColor ink(0x33, 0x33, 0x33);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &description)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    // A screen reader reads what the label shows; the description says what it is.
    label->setAccessibleDescription(description);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setPixelSize(QLabel *label, int pixels, bool bold = false)
{
    QFont font = label->font();
    font.setPixelSize(qMax(10, pixels));
    font.setBold(bold);
    label->setFont(font);
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

FullScreenView::FullScreenView(CardSession &session, const FullScreenSettings &settings)
    : QWidget(nullptr, Qt::Window)
    , m_session(session)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("fullScreen"));
    setWindowTitle(tr("Pomwit full screen"));
    setWindowIcon(appinfo::applicationIcon());
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, ink);
    setPalette(colours);
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys and compose come as input method events.
    setAttribute(Qt::WA_InputMethodEnabled);

    m_picture = makeLabel(this, "picture", QString());
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setAccessibleName(tr("Card picture"));

    m_word = makeLabel(this, "word", tr("Answer"));
    m_word->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_word->setFont(designer::font(QStringLiteral("MS Sans Serif"), 24, true));

    m_status = makeLabel(this, "status", tr("Card number"));
    m_note = makeLabel(this, "note", tr("Note"));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    m_leaving = makeLabel(this, "leaving", tr("Leaving full screen"));
    m_leaving->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    const QString howToLeave = tr("To leave full screen, hold %1 for two seconds.")
                                   .arg(QLatin1String(LeaveChord::description));
    m_leaving->setText(howToLeave);

    m_lockReport = makeLabel(this, "lockReport", tr("Lock"));
    m_lockReport->setWordWrap(true);
    m_lockReport->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_lockReport->hide();

    m_message = makeLabel(this, "message", tr("Message"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setAutoFillBackground(true);
    m_message->setFrameShape(QFrame::Box);
    QPalette note = m_message->palette();
    note.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xc8));
    m_message->setPalette(note);
    m_message->hide();

    m_chord = new LeaveChord(m_settings.leaveHold, this);
    connect(m_chord, &LeaveChord::completed, this, &FullScreenView::left);
    connect(m_chord, &LeaveChord::holdingChanged, this, [this, howToLeave](bool holding) {
        m_leaving->setText(holding ? tr("Keep holding %1…").arg(QLatin1String(LeaveChord::description)) : howToLeave);
    });

    m_nextTimer.setSingleShot(true);
    m_nextTimer.setInterval(m_settings.nextCardPause);
    connect(&m_nextTimer, &QTimer::timeout, this, &FullScreenView::nextCard);
    m_messageTimer.setSingleShot(true);
    m_messageTimer.setInterval(m_settings.messagePause);
    connect(&m_messageTimer, &QTimer::timeout, this, &FullScreenView::messagePauseOver);

    connect(&m_session, &CardSession::soundProblem, this, [this](const QString &message) {
        if (m_active)
            showMessage(message, MessageKind::Sound);
    }, Qt::QueuedConnection);
    connect(&m_session, &CardSession::phraseEnded, this, &FullScreenView::phraseEnded, Qt::QueuedConnection);

    m_lock = std::make_unique<DesktopLock>(this, m_settings.session.value_or(currentSessionKind()));
    connect(m_lock.get(), &DesktopLock::refusedChanged, this, [this](bool refused) {
        const QString report = lockReport(m_lock->kind(), !refused);
        m_lockReport->setText(report);
        m_lockReport->setVisible(!report.isEmpty());
    });
}

FullScreenView::~FullScreenView()
{
    end();
}

void FullScreenView::enter(QScreen *screen, std::unique_ptr<FullScreenClaim> claim)
{
    if (m_active)
        return;
    m_active = true;
    m_claim = std::move(claim);
    m_status->setText(m_session.status());
    const QString report = lockReport(m_lock->kind(), true);
    m_lockReport->setText(report);
    m_lockReport->setVisible(!report.isEmpty());
    // Laid out at the screen's size before the picture is drawn for it.
    if (screen)
        setGeometry(screen->geometry());
    layoutControls();
    showCard();
    if (m_session.revealed())
        showWord();
    // Every key and click of the program comes here first, whichever window
    // it was meant for.
    qApp->installEventFilter(this);
    if (screen) {
        winId();
        windowHandle()->setScreen(screen);
    }
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
    m_firstFrame = true;
}

void FullScreenView::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // The first frame first: the rest is not seen.
    if (std::exchange(m_firstFrame, false))
        QTimer::singleShot(0, this, &FullScreenView::holdDesktop);
}

void FullScreenView::holdDesktop()
{
    if (!m_active)
        return;
    m_lock->hold();
    coverOtherScreens();
    const auto once = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
    connect(qApp, &QGuiApplication::screenAdded, this, &FullScreenView::reassert, once);
    connect(qApp, &QGuiApplication::screenRemoved, this, &FullScreenView::reassert, once);
    m_screenSaver = std::make_unique<ScreenSaverInhibitor>(
        m_settings.sessionBus ? m_settings.sessionBus() : ScreenSaverInhibitor::sessionBus());
    m_screenSaver->inhibit(appinfo::title(), tr("A child is playing full screen"));
    // After a resume the desktop may have rearranged the windows.
    QDBusConnection system = m_settings.systemBus ? m_settings.systemBus() : QDBusConnection::systemBus();
    if (system.isConnected() && !std::exchange(m_watchingSleep, true))
        system.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                       QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                       SLOT(prepareForSleep(bool)));
}

void FullScreenView::end()
{
    if (!m_active)
        return;
    if (m_messageKind)
        hideMessage();
    m_active = false;
    qApp->removeEventFilter(this);
    m_nextTimer.stop();
    m_messageTimer.stop();
    m_chord->cancel();
    m_lock->release();
    m_screenSaver.reset();
    m_blanks.clear();
    m_claim.reset();
    m_nextPending = false;
    hide();
    // Kept hidden until the next time: the picture need not be.
    m_picture->clear();
}

void FullScreenView::prepareForSleep(bool starting)
{
    if (!starting)
        reassert();
}

bool FullScreenView::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_active || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken, so that no shortcut of any window fires: the key comes as a key press.
        event->accept();
        return true;
    case QEvent::KeyPress:
        keyPressed(static_cast<QKeyEvent *>(event));
        event->accept();
        return true;
    case QEvent::KeyRelease:
        m_repeats.released(*static_cast<QKeyEvent *>(event));
        m_chord->keyReleased(*static_cast<QKeyEvent *>(event));
        event->accept();
        return true;
    case QEvent::InputMethod: {
        const QString committed = static_cast<QInputMethodEvent *>(event)->commitString();
        if (takesInput() && !committed.isEmpty())
            typed(committed);
        event->accept();
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = m_picture->mapFromGlobal(mouse->globalPosition().toPoint());
        if (mouse->button() == Qt::LeftButton && m_picture->rect().contains(at) && takesInput())
            nextCard();
        event->accept();
        return true;
    }
    default:
        if (isInput(event->type())) {
            event->accept();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
}

bool FullScreenView::takesInput() const
{
    // Keys pressed while a phrase is said are thrown away, or a leaning hand
    // would queue minutes of speech.
    return !m_session.isSpeaking() && !m_messageTimer.isActive();
}

void FullScreenView::keyPressed(QKeyEvent *event)
{
    const bool repeat = m_repeats.isRepeat(*event);
    // The chord sees every key, those dropped here too.
    m_chord->keyPressed(*event, repeat);
    // A held key or a leaning hand is one press.
    if (repeat || !takesInput())
        return;
    const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Escape && !chord)
        nextCard();
    else if (!event->text().isEmpty() && !chord)
        typed(event->text());
}

void FullScreenView::typed(const QString &text)
{
    if (m_session.cwatchkey().isEmpty() || !m_session.isRightKey(text))
        return;
    m_nextTimer.stop();
    m_session.reveal();
    showWord();
    const QString phrase = m_session.phrase(m_session.scurrword());
    emit phraseSaid(phrase);
    if (const SpeechResult<> started = m_session.say(phrase); !started) {
        if (m_session.takeSoundProblem(started.error().kind))
            showMessage(started.error().message, MessageKind::Sound);
        m_nextTimer.start();
    }
}

void FullScreenView::phraseEnded()
{
    if (m_active)
        m_nextTimer.start();
}

void FullScreenView::nextCard()
{
    m_nextTimer.stop();
    if (m_messageTimer.isActive()) {
        m_nextPending = true;
        return;
    }
    const StoreResult<CardDraw> draw = m_session.nextCard();
    if (!draw) {
        qCWarning(lcPlay) << draw.error().message;
        return showMessage(draw.error().message, MessageKind::CardSet);
    }
    if (m_messageKind == MessageKind::CardSet)
        hideMessage();
    m_status->setText(m_session.status());
    showCard();
    if (!draw->word) {
        // Dealt, so the stack moves on; play goes on by itself after the message.
        m_nextPending = true;
        showMessage(storeMessages::noWord(m_session.store().databasePath(), draw->position).message, MessageKind::NoWord);
    }
    // The notice goes on by itself: no one is asked for OK.
    if (draw->reshuffleDue)
        showMessage(tr("All cards have been played. The stack is shuffled again."), MessageKind::Notice);
}

// The session's card, its word hidden.
void FullScreenView::showCard()
{
    m_word->clear();
    // Until the word is revealed a screen reader must not say it.
    m_picture->setAccessibleName(tr("Card picture"));
    renderPicture();
    if (const QString word = m_session.scurrword(); !word.isEmpty())
        m_session.cardShown(word);
}

// The word is found: the label, the picture's name and a picture's problem may name it now.
void FullScreenView::showWord()
{
    const QString word = m_session.scurrword();
    m_word->setText(word);
    m_picture->setAccessibleName(word);
    if (m_pictureProblem)
        setNote(*m_pictureProblem);
}

void FullScreenView::renderPicture()
{
    const QString word = m_session.scurrword();
    m_pictureProblem.reset();
    if (word.isEmpty()) {
        m_picture->clear();
        setNote(QString());
        return;
    }
    CardStore &store = m_session.store();
    const auto path = store.picturePath(word);
    const QSize area = m_picture->size();
    auto picture = path ? LargePicture::load(*path, store.picturesFolder(), area, background)
                        : Result<LargePicture, QString>(path.error().message);
    if (picture) {
        m_picture->setPixmap(QPixmap::fromImage(std::move(picture.value().image)));
        setNote(QString());
    } else {
        m_pictureProblem = picture.error();
        qCInfo(lcPlay) << picture.error();
        const QSize card(PictureFile::cardWidth, PictureFile::cardHeight);
        m_picture->setPixmap(QPixmap::fromImage(placeholderPicture(word, card.scaled(area, Qt::KeepAspectRatio))));
        // The file's name is the answer: it is told once the word is found.
        setNote(m_session.revealed() ? picture.error()
                                     : tr("This card's picture cannot be shown. Its file is named once the word is found."));
    }
}

void FullScreenView::setNote(const QString &note)
{
    m_note->setText(note);
}

void FullScreenView::showMessage(const QString &text, MessageKind kind)
{
    qCInfo(lcPlay).noquote() << "full screen message:" << text;
    // A notice that has not run its course is not lost under another message.
    if (m_messageKind)
        hideMessage();
    m_messageKind = kind;
    m_message->setText(text);
    m_message->show();
    m_message->raise();
    layoutControls();
    m_messageTimer.start();
}

void FullScreenView::messagePauseOver()
{
    // A card set that cannot be read stays told until a draw succeeds.
    if (m_messageKind != MessageKind::CardSet)
        hideMessage();
    if (std::exchange(m_nextPending, false))
        nextCard();
}

void FullScreenView::hideMessage()
{
    m_messageTimer.stop();
    if (m_messageKind == MessageKind::Notice)
        m_session.reshuffled();
    m_messageKind.reset();
    m_message->hide();
}

void FullScreenView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Laid out for this size already when it entered.
    if (size() == m_laidOut)
        return;
    const QSize before = m_picture->size();
    layoutControls();
    if (m_picture->size() != before)
        renderPicture();
}

void FullScreenView::layoutControls()
{
    m_laidOut = size();
    const int w = width();
    const int h = height();
    const int margin = qMax(4, h / 60);
    const int small = qMax(12, h / 54);
    const int line = small * 3 / 2;
    for (QLabel *label : {m_status, m_note, m_leaving, m_lockReport})
        setPixelSize(label, small);
    const int wordBand = h / 7;
    QFont wordFont = m_word->font();
    wordFont.setPixelSize(qMax(12, wordBand * 2 / 3));
    m_word->setFont(wordFont);

    m_status->setGeometry(margin, margin / 2, w / 3, line);
    m_lockReport->setGeometry(w - w * 2 / 5 - margin, margin / 2, w * 2 / 5, line * 4);
    const int top = margin + line;
    const int bottom = h - wordBand - line - margin;
    m_picture->setGeometry(0, top, w, qMax(0, bottom - top));
    m_word->setGeometry(0, bottom, w, wordBand);
    m_note->setGeometry(margin, h - line * 2 - margin / 2, w / 2 - margin, line * 2);
    m_leaving->setGeometry(w / 2, h - line - margin / 2, w / 2 - margin, line);

    setPixelSize(m_message, qMax(14, h / 24), true);
    const int messageWidth = w * 3 / 5;
    const int messageHeight = qMin(h / 2, m_message->heightForWidth(messageWidth) + 2 * margin);
    m_message->setGeometry((w - messageWidth) / 2, top + (bottom - top - messageHeight) / 2, messageWidth,
                           messageHeight);
}

void FullScreenView::closeEvent(QCloseEvent *event)
{
    // The desktop's close request (Alt+F4, the close box) is refused; the
    // program's own end and a session's logout are not.
    if (m_active && event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void FullScreenView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_active && !(windowState() & Qt::WindowFullScreen))
        QTimer::singleShot(0, this, &FullScreenView::reassert);
}

QVariant FullScreenView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    if (query == Qt::ImCursorRectangle)
        return m_word->geometry();
    return QWidget::inputMethodQuery(query);
}

void FullScreenView::reassert()
{
    if (!m_active)
        return;
    if (!(windowState() & Qt::WindowFullScreen) || !isVisible())
        showFullScreen();
    raise();
    activateWindow();
    coverOtherScreens();
    m_lock->hold();
}

void FullScreenView::coverOtherScreens()
{
    m_blanks.clear();
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *other : screens) {
        if (other == screen())
            continue;
        auto blank = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        blank->setObjectName(QStringLiteral("blank"));
        blank->setWindowTitle(windowTitle());
        blank->setAutoFillBackground(true);
        QPalette dark = blank->palette();
        dark.setColor(QPalette::Window, Qt::black);
        blank->setPalette(dark);
        blank->setGeometry(other->geometry());
        blank->winId();
        blank->windowHandle()->setScreen(other);
        blank->showFullScreen();
        m_blanks.push_back(std::move(blank));
    }
    raise();
}
