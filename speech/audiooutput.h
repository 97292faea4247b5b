#pragma once

#include "speech/speechresult.h"

#include <QByteArray>
#include <QString>

#include <memory>

// Where synthesised speech goes: the desktop's sound server in the program,
// a recorder in tests.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;
    // Plays 16-bit signed mono samples and returns once they have been played,
    // or as soon as it is clear that they cannot be.
    virtual SpeechResult<> play(const QByteArray &pcm16Mono, int sampleRate) = 0;
};

// The desktop's sound server, through Qt Multimedia in the sound module,
// which is loaded at the first phrase.
std::shared_ptr<AudioOutput> makeSystemAudioOutput();

// What the user is told when speech cannot be heard.
inline QString soundNotAvailableMessage()
{
    return QStringLiteral("Sound is not available, so the words are shown but not spoken.");
}

inline SpeechError noSound()
{
    return {SpeechError::Kind::NoSound, soundNotAvailableMessage()};
}
