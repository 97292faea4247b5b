#pragma once

#include "formkit/form.h"
#include "play/fullscreenview.h"

#include <QList>
#include <QMessageBox>

#include <functional>
#include <optional>
#include <memory>

class CardSession;
class EngineSelector;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QStatusBar;
struct StoreError;

// The window in which the cards are played.
class frmCard : public Form
{
    Q_OBJECT

public:
    static constexpr auto reshuffleNotice = QT_TR_NOOP("All cards have been played.  Click OK to reshuffle the stack.");

    explicit frmCard(FormRegistry &registry);
    ~frmCard() override;

    CardSession &session() const { return *m_session; }

    // The speech-engine selector control; reaching it loads the window, hidden.
    EngineSelector *DSSSpeech();

    void GetWord();
    qint32 Wordcounter();
    void Checkcard(QString scurrword);
    void rightkeypressed(QString &slabel);

    // While a phrase is said the window takes no input: what comes meanwhile
    // (keys, buttons, menus, shortcuts, a screen reader's actions, Exit, the
    // close box) is held and carried out afterwards, in order.
    void cmdnextcard_Click();
    void cmdshowword_Click();
    // The typed text of one key press in the answer box.
    void txtanswerbox_KeyPress(const QString &typed);
    void cmdExit_Click();
    void Exit_Click(qint16 Index);
    void mnunext_Click();
    void mnuShow_Click();
    void mnuAbout_Click();
    // File, Full Screen (F11): the card played full screen until the grown-up's chord.
    void mnuFullScreen_Click();
    FullScreenSettings &fullScreenSettings() { return m_fullScreenSettings; }
    // The full-screen view while the card is played full screen.
    FullScreenView *fullScreenView() const { return m_fullScreen && m_fullScreen->isActive() ? m_fullScreen.get() : nullptr; }

signals:
    // Each phrase handed to the speaking voice.
    void phraseSaid(const QString &phrase);

protected:
    QWidget *createControls() override;
    void releaseControls() override;
    void Form_Load() override;
    void Form_Unload() override;
    void closeRequested() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ClearCard();
    void SayText(const QString &text);
    void reveal(const QString &word);
    void ShowReshuffleNotice();

    bool hold(std::function<void()> command);
    void carryOutHeld();
    bool menuBarKey(QKeyEvent *key);
    void showStoreError(const StoreError &error);
    void showMessage(const QString &text, QMessageBox::Icon icon = QMessageBox::Information);
    void setPictureNote(const QString &note);
    void soundProblem(const QString &message);
    void leaveFullScreen();

    std::unique_ptr<CardSession> m_session;
    QList<std::function<void()>> m_held;
    bool m_carryingOut = false;
    bool m_replayingKey = false;
    int m_messagesOpen = 0;
    // Why the shown card's picture could not be shown.
    std::optional<QString> m_pictureProblem;
    FullScreenSettings m_fullScreenSettings;
    std::unique_ptr<FullScreenView> m_fullScreen;

    QLabel *imgcardpic = nullptr;
    QLabel *lblAnswer = nullptr;
    QPushButton *cmdshowword = nullptr;
    QPushButton *cmdnextcard = nullptr;
    QLineEdit *txtanswerbox = nullptr;
    QPushButton *cmdExit = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *m_panel = nullptr;
    QLabel *m_note = nullptr;
    QMenuBar *m_menuBar = nullptr;
    EngineSelector *m_selector = nullptr;
};
