#pragma once

#include "play/desktoplock.h"
#include "play/leavechord.h"

#include <QDBusConnection>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CardSession;
class QKeyEvent;
class QLabel;
class QScreen;
class ScreenSaverInhibitor;

// How full-screen play paces itself and what it reaches outside the program;
// tests shorten the pauses and give their own buses.
struct FullScreenSettings
{
    // From the end of the phrase to the next card.
    std::chrono::milliseconds nextCardPause{2000};
    // How long a message stays, keys and clicks ignored, before play goes on.
    std::chrono::milliseconds messagePause{4000};
    // How long the grown-up's keys are held to leave.
    std::chrono::milliseconds leaveHold{2000};
    std::optional<SessionKind> session; // the running session's when empty
    std::function<QDBusConnection()> sessionBus;
    std::function<QDBusConnection()> systemBus;
    QString claimFolder; // the user's runtime folder when empty
};

// The card played full screen, a view of the card window's session: the
// picture as large as fits, the word under it once found, the card number
// small in a corner. Every key and click of the program goes through here
// while it is shown; only the grown-up's chord leaves.
class FullScreenView : public QWidget
{
    Q_OBJECT

public:
    enum class MessageKind { Notice, Sound, CardSet, NoWord };

    FullScreenView(CardSession &session, const FullScreenSettings &settings);
    ~FullScreenView() override;

    // Covers the screen with the session's card.
    void enter(QScreen *screen, std::unique_ptr<FullScreenClaim> claim);
    // Lets go of the keyboard, the pointer, the screen saver and the claim,
    // and hides; the view is kept for the next time.
    void end();
    bool isActive() const { return m_active; }

    void showMessage(const QString &text, MessageKind kind);

signals:
    // The grown-up's chord was held: the card window takes over.
    void left();
    void phraseSaid(const QString &phrase);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private slots:
    void prepareForSleep(bool starting);

private:
    void keyPressed(QKeyEvent *event);
    bool takesInput() const;
    void typed(const QString &text);
    void nextCard();
    void showCard();
    void showWord();
    void phraseEnded();
    void renderPicture();
    void setNote(const QString &note);
    void messagePauseOver();
    void hideMessage();
    void layoutControls();
    void reassert();
    void coverOtherScreens();
    void holdDesktop();

    CardSession &m_session;
    FullScreenSettings m_settings;
    std::unique_ptr<FullScreenClaim> m_claim;
    std::unique_ptr<DesktopLock> m_lock;
    std::unique_ptr<ScreenSaverInhibitor> m_screenSaver;
    LeaveChord *m_chord = nullptr;
    KeyRepeats m_repeats;

    QLabel *m_picture = nullptr;
    QLabel *m_word = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_leaving = nullptr;
    QLabel *m_lockReport = nullptr;
    QLabel *m_message = nullptr;
    std::vector<std::unique_ptr<QWidget>> m_blanks;

    std::optional<QString> m_pictureProblem;
    bool m_active = false;
    bool m_firstFrame = false;
    bool m_watchingSleep = false;
    QSize m_laidOut;
    std::optional<MessageKind> m_messageKind;
    bool m_nextPending = false;
    QTimer m_nextTimer;
    QTimer m_messageTimer;
};
