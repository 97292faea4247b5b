#include "speech/speakingvoice.h"

#include "speech/audiooutput.h"
#include "speech/speechsystem.h"
#include "speech/voicechoice.h"
#include "speech/voices.h"

SpeakingVoice::SpeakingVoice(std::shared_ptr<AudioOutput> output, std::shared_ptr<const VoiceChoice> choice)
    : SpeakingVoice(std::move(output), std::move(choice), Voices::system())
{
}

SpeakingVoice::SpeakingVoice(std::shared_ptr<AudioOutput> output, std::shared_ptr<const VoiceChoice> choice,
                             std::shared_ptr<Voices> voices)
    : m_output(std::move(output))
    , m_choice(std::move(choice))
    , m_voices(std::move(voices))
{
}

SpeakingVoice::~SpeakingVoice() = default;

SpeechResult<> SpeakingVoice::setRate(int rate)
{
    if (rate < minimumRate || rate > maximumRate)
        return SpeechError{SpeechError::Kind::BadRate, QStringLiteral("The speaking rate %1 is outside %2 to %3.")
                                                           .arg(rate)
                                                           .arg(minimumRate)
                                                           .arg(maximumRate)};
    m_rate = rate;
    return Done{};
}

int SpeakingVoice::rate() const
{
    return m_rate;
}

// Every flag value speaks synchronously: there is no queue to purge or join.
SpeechResult<> SpeakingVoice::Speak(const QString &text, quint32 flags)
{
    Q_UNUSED(flags)
    m_phonemes.clear();
    if (!m_output)
        return noSound();
    const SpeechResult<Voices::Spoken> spoken = m_voices->synthesize(text, m_rate, m_choice ? m_choice->voice() : QString());
    if (!spoken) {
        qCWarning(lcSpeech) << spoken.error().message;
        return noSound();
    }
    m_phonemes = spoken->synthesis.phonemes;
    const SpeechResult<> played = m_output->play(spoken->synthesis.pcm, spoken->synthesis.sampleRate);
    if (played && spoken->notice)
        return *spoken->notice;
    return played;
}

QString SpeakingVoice::lastPhonemes() const
{
    return m_phonemes;
}
