#pragma once

#include "speech/speechresult.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class PhrasePlayer;
class VoiceChoice;
class Voices;

// The voice that says the card window's phrases, with the voice a parent
// chose (or the default voice when none was chosen), through the program's
// one phrase player.
class SpeakingVoice
{
public:
    SpeakingVoice(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<const VoiceChoice> choice);
    SpeakingVoice(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<const VoiceChoice> choice,
                  std::shared_ptr<Voices> voices);
    ~SpeakingVoice();

    // Rate on a scale of -10 to 10, 0 normal; each step is a factor 3^(1/10) in speed.
    SpeechResult<> setRate(int rate);
    int rate() const;

    struct Started
    {
        // Said once, when a natural voice could not start: the phrase is
        // played in espeak-ng's voice.
        std::optional<SpeechError> notice;
    };
    // Starts saying the text (flags 0 and every other value alike); the
    // player's finished() tells when it has been said. A failure here means
    // that nothing plays.
    SpeechResult<Started> Speak(const QString &text, quint32 flags = 0);

    static constexpr int minimumRate = -10;
    static constexpr int maximumRate = 10;

private:
    std::shared_ptr<PhrasePlayer> m_player;
    std::shared_ptr<const VoiceChoice> m_choice;
    std::shared_ptr<Voices> m_voices;
    int m_rate = 0;
};

// The samples without the silence the engines put before and after the words,
// keeping a short margin: a phrase ends when it is heard to end.
QByteArray withoutSilentEnds(const QByteArray &pcm16Mono, int sampleRate);
