#pragma once

#include "speech/audiooutput.h"

#include <chrono>

// Plays speech through the desktop's sound server. The wait for the end of a
// phrase runs the event loop (the window repaints; typed keys stay queued)
// and is bounded by the phrase's duration plus a margin.
class SystemAudioOutput : public AudioOutput
{
public:
    explicit SystemAudioOutput(std::chrono::milliseconds margin = std::chrono::milliseconds(1500));

    SpeechResult<> play(const QByteArray &pcm16Mono, int sampleRate) override;

private:
    std::chrono::milliseconds m_margin;
};
