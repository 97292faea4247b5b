#pragma once

#include "speech/speechresult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

// Where speech goes: the desktop's sound server in the program, a recorder
// in tests. Playing never waits: the caller goes on at once and hears of the
// end through the callback.
class AudioOutput
{
public:
    using Finished = std::function<void(const SpeechResult<> &)>;

    virtual ~AudioOutput() = default;
    // Starts playing 16-bit signed mono samples. finished runs once, from the
    // event loop (never inside start), when the last sample has been played or
    // as soon as it is clear that they cannot be.
    virtual void start(const QByteArray &pcm16Mono, int sampleRate, Finished finished) = 0;
    // Ends the samples under way at once; their finished does not run.
    virtual void stop() = 0;
};

// The desktop's sound server, through the sound module, which is loaded at
// the first phrase.
std::shared_ptr<AudioOutput> makeSystemAudioOutput();

// Where the sound module is, for programs that find it neither beside
// themselves nor through their run path (tests under a sanitizer).
void useSoundModule(const QString &path);

// What the user is told when speech cannot be heard.
inline QString soundNotAvailableMessage()
{
    return QCoreApplication::translate("Speech", "Sound is not available, so the words are shown but not spoken.");
}

inline SpeechError noSound()
{
    return {SpeechError::Kind::NoSound, soundNotAvailableMessage()};
}
