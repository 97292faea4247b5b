#pragma once

#include "speech/speechresult.h"

#include <QString>

#include <memory>

class AudioOutput;
class VoiceChoice;
class Voices;

// The voice that says the card window's phrases, with the voice a parent
// chose (or the default voice when none was chosen).
class SpeakingVoice
{
public:
    SpeakingVoice(std::shared_ptr<AudioOutput> output, std::shared_ptr<const VoiceChoice> choice);
    SpeakingVoice(std::shared_ptr<AudioOutput> output, std::shared_ptr<const VoiceChoice> choice,
                  std::shared_ptr<Voices> voices);
    ~SpeakingVoice();

    // Rate on a scale of -10 to 10, 0 normal; each step is a factor 3^(1/10) in speed.
    SpeechResult<> setRate(int rate);
    int rate() const;

    // Speaks the text and returns when it has been played (flags 0: synchronous).
    // Said once, when a natural voice could not start: the phrase was played
    // in espeak-ng's voice and the result carries the notice.
    SpeechResult<> Speak(const QString &text, quint32 flags = 0);

    // The phonemes of the last phrase spoken, each word starting with "|".
    QString lastPhonemes() const;

    static constexpr int minimumRate = -10;
    static constexpr int maximumRate = 10;

private:
    std::shared_ptr<AudioOutput> m_output;
    std::shared_ptr<const VoiceChoice> m_choice;
    std::shared_ptr<Voices> m_voices;
    int m_rate = 0;
    QString m_phonemes;
};
