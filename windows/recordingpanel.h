#pragma once

#include "deck/cardsetchange.h"
#include "speech/speechresult.h"

#include <QGroupBox>

#include <memory>
#include <optional>

class Microphone;
class PhrasePlayer;
class QLabel;
class QProgressBar;
class QPushButton;
class VoiceRecorder;

// The card workshop's recording of the chosen card's word: what to say,
// Record, a level meter and the time left while the microphone is open, then
// Listen, Keep or Discard; Remove Recording for a card that has one. A take
// not kept lives only here: another card, Discard or the window's going
// drops it. Changes go out through keepAsked and removeAsked, for the window
// to write (and ask first) as it writes every change.
class RecordingPanel : public QGroupBox
{
    Q_OBJECT

public:
    RecordingPanel(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<Microphone> microphone,
                   QWidget *parent = nullptr);
    ~RecordingPanel() override;

    // The card chosen in the list (an empty word: none), the phrase the child
    // hears for it, and whether it has a recording. Another card drops the take.
    void setCard(const QString &word, const QString &phrase, bool recorded);
    // While the card set is being changed, nothing else is kept or removed.
    void setBusy(bool busy);
    // The change keepAsked carried has been written, or not (the take stays,
    // to try again).
    void written(bool done);
    // The window goes: the tone, the microphone and the playback stop, and the take is gone.
    void release();

    QWidget *firstControl() const;
    QWidget *lastControl() const;

    void cmdrecord_Click();
    void cmdstop_Click();
    void cmdlisten_Click();
    void cmdkeeprecording_Click();
    void cmddiscard_Click();
    void cmdremoverecording_Click();

signals:
    void keepAsked(const CardSetChange &change);
    // Remove Recording, for the window to ask first.
    void removeAsked(const QString &word);

private:
    void recorderStateChanged();
    void levelChanged(double level);
    void playerFinished(const SpeechResult<> &result);
    void tell(const QString &note);
    void updateControls();

    std::shared_ptr<PhrasePlayer> m_player;
    VoiceRecorder *m_recorder = nullptr;
    QString m_word;
    bool m_recorded = false;
    bool m_busy = false;
    bool m_listening = false;
    bool m_keeping = false;
    // Whether Record can work (if not, why): asked when a card is chosen, not
    // at the window's opening, as asking loads the sound module; once found,
    // not asked again.
    std::optional<Result<Done, QString>> m_canRecord;

    QLabel *lblsay = nullptr;
    QPushButton *cmdrecord = nullptr;
    QPushButton *cmdstop = nullptr;
    QPushButton *cmdlisten = nullptr;
    QPushButton *cmdkeeprecording = nullptr;
    QPushButton *cmddiscard = nullptr;
    QPushButton *cmdremoverecording = nullptr;
    QProgressBar *prglevel = nullptr;
    QLabel *lbltimeleft = nullptr;
    QLabel *lblrecordingnote = nullptr;
};
