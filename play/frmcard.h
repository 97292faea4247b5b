#pragma once

#include "formkit/form.h"
#include "play/fullscreenview.h"

#include <memory>

class CardPlay;
class EngineSelector;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct StoreError;
struct SpeechError;

// The window in which the cards are played.
class frmCard : public Form
{
    Q_OBJECT

public:
    static constexpr auto reshuffleNotice = "All cards have been played.  Click OK to reshuffle the stack.";

    explicit frmCard(FormRegistry &registry);
    ~frmCard() override;

    const CardPlay &play() const { return *m_play; }

    // The speech-engine selector control; reaching it loads the window, hidden.
    EngineSelector *DSSSpeech();

    void GetWord();
    qint32 Wordcounter();
    void Checkcard(QString scurrword);
    void rightkeypressed(QString &slabel);

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ClearCard();
    void SayText(const QString &text);
    void reveal(const QString &word);
    void ShowReshuffleNotice();

    void showStoreError(const StoreError &error);
    void showMessage(const QString &text);
    void setPictureNote(const QString &note);
    void leaveFullScreen();

    std::unique_ptr<CardPlay> m_play;
    // Why the shown card's picture could not be shown; empty when it was.
    QString m_pictureProblem;
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
    EngineSelector *m_selector = nullptr;
};
