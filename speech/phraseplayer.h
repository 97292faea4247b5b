#pragma once

#include "speech/speechresult.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class AudioOutput;

// The one phrase being said, program-wide: a phrase is a state with an end.
// Nothing waits for it in a loop; whoever needs its end listens to finished().
class PhrasePlayer : public QObject
{
    Q_OBJECT

public:
    explicit PhrasePlayer(std::shared_ptr<AudioOutput> output, QObject *parent = nullptr);
    ~PhrasePlayer() override;

    bool isPlaying() const { return m_playing; }

    // One phrase at a time: while one plays, another is refused (false) and
    // nothing is played.
    bool play(const QByteArray &pcm16Mono, int sampleRate);
    // Ends the phrase at once (the exit sequence, a logout); finished() says Stopped.
    void stop();

signals:
    // Once for every phrase play() took: played, failed or stopped.
    void finished(const SpeechResult<> &result);

private:
    void end(const SpeechResult<> &result);

    std::shared_ptr<AudioOutput> m_output;
    bool m_playing = false;
    quint64 m_phrase = 0; // tells a late callback of an earlier phrase from the current one
};
