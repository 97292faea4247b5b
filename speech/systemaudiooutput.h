#pragma once

#include "speech/audiooutput.h"

#include <chrono>

// Plays speech through the desktop's sound server. The wait for the end of a
// phrase runs the event loop (the window repaints; typed keys stay queued).
// A phrase may end late on a busy machine; only a stream that fails or whose
// position stops moving for the stall limit is a failure.
class SystemAudioOutput : public AudioOutput
{
public:
    explicit SystemAudioOutput(std::chrono::milliseconds stallLimit = std::chrono::milliseconds(2000));

    SpeechResult<> play(const QByteArray &pcm16Mono, int sampleRate) override;

private:
    std::chrono::milliseconds m_stallLimit;
};
