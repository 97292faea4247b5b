#pragma once

#include "speech/microphone.h"
#include "speech/recordingcodec.h"
#include "speech/speechresult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

class PhrasePlayer;

// Records a card's word for the card workshop: a short tone (so that a
// screen reader's own speech is not recorded), then the default microphone
// until stop() or the time limit. The take, its silent ends cut, stays in
// memory only; it can be heard through the phrase player and is encoded, as
// the user, into the recording a card set change carries. The microphone is
// open only while recording.
class VoiceRecorder : public QObject
{
    Q_OBJECT

public:
    enum class State { Idle, Tone, Recording, Recorded };

    static constexpr int sampleRate = 48000;

    explicit VoiceRecorder(std::shared_ptr<PhrasePlayer> player,
                           std::shared_ptr<Microphone> microphone = makeSystemMicrophone(),
                           std::chrono::milliseconds limit = std::chrono::seconds(10), QObject *parent = nullptr);
    ~VoiceRecorder() override;

    // Whether Record can work; if not, why (no microphone).
    Result<Done, QString> canRecord();
    State state() const { return m_state; }

    // Record: the tone, then the microphone. A take not kept is dropped.
    Result<Done, QString> start();
    // Stop: the take so far, without its silent ends; during the tone, nothing.
    void stop();
    // Discard: the take is gone.
    void discard();

    // The take once recorded; empty before.
    const RecordedSound &take() const { return m_take; }
    // Listen: the take through the phrase player, whose finished() tells its end.
    Result<Done, QString> listen();
    // Keep: the take as the Ogg Vorbis bytes of a SetRecording step.
    RecordingResult<QByteArray> encode() const;

    // For the meter: the loudest sample of the last piece heard, 0 to 1.
    double level() const { return m_level; }
    int secondsLeft() const { return m_secondsLeft; }
    // For the label a screen reader reads: "8 seconds left".
    QString timeLeftText() const;

signals:
    void stateChanged(VoiceRecorder::State state);
    void levelChanged(double level);
    void secondsLeftChanged(int seconds);
    // The microphone went away, or nothing was heard; the state is Idle.
    void failed(const QString &message);

private:
    void toneEnded(const SpeechResult<> &result);
    void heard(const QByteArray &pcm);
    void tick();
    void setState(State state);

    std::shared_ptr<PhrasePlayer> m_player;
    std::shared_ptr<Microphone> m_microphone;
    std::chrono::milliseconds m_limit;
    State m_state = State::Idle;
    QByteArray m_pcm; // the take under way
    qsizetype m_skip = 0; // bytes still to drop at its start
    RecordedSound m_take;
    double m_level = 0;
    int m_secondsLeft = 0;
    QElapsedTimer m_clock;
    QTimer m_ticker;
};

// The samples without the quiet before and after the sound in them, keeping
// a short margin; empty when nothing in them was loud enough to be heard.
QByteArray withoutQuietEnds(const QByteArray &pcm16Mono, int sampleRate);
