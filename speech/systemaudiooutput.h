#pragma once

#include "speech/audiooutput.h"

#include <QByteArray>

#include <chrono>
#include <map>
#include <memory>

class QAudioSink;

// Plays speech through the desktop's sound server. The wait for the end of a
// phrase runs the event loop (the window repaints; typed keys stay queued).
// A phrase may end late on a busy machine; only a stream that fails or whose
// position stops moving for the stall limit is a failure.
class SystemAudioOutput : public AudioOutput
{
public:
    explicit SystemAudioOutput(std::chrono::milliseconds stallLimit = std::chrono::milliseconds(2000));
    ~SystemAudioOutput() override;

    SpeechResult<> play(const QByteArray &pcm16Mono, int sampleRate) override;

private:
    std::chrono::milliseconds m_stallLimit;
    bool m_playing = false;
    // One stream per sample rate and device, kept for the run: the sound
    // server's thread may still report on a stream just closed, and a
    // stream destroyed after each phrase was found (by mashing keys in full
    // screen) to be reported on after it was gone.
    struct Stream
    {
        QByteArray device;
        std::unique_ptr<QAudioSink> sink;
    };
    std::map<int, Stream> m_streams;
};
