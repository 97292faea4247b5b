#include "speech/speakingvoice.h"

#include "speech/audiooutput.h"
#include "speech/phraseplayer.h"
#include "speech/speechlogging.h"
#include "speech/speechsystem.h"
#include "speech/voicechoice.h"
#include "speech/voices.h"

#include <QCoreApplication>

#include <cstdlib>

SpeakingVoice::SpeakingVoice(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<const VoiceChoice> choice)
    : SpeakingVoice(std::move(player), std::move(choice), Voices::system())
{
}

SpeakingVoice::SpeakingVoice(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<const VoiceChoice> choice,
                             std::shared_ptr<Voices> voices)
    : m_player(std::move(player))
    , m_choice(std::move(choice))
    , m_voices(std::move(voices))
{
}

SpeakingVoice::~SpeakingVoice() = default;

SpeechResult<> SpeakingVoice::setRate(int rate)
{
    if (rate < minimumRate || rate > maximumRate)
        return SpeechError{SpeechError::Kind::BadRate,
                           QCoreApplication::translate("Speech", "The speaking rate %1 is outside %2 to %3.")
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

SpeechResult<SpeakingVoice::Started> SpeakingVoice::Speak(const QString &text, quint32 flags)
{
    Q_UNUSED(flags)
    if (!m_player)
        return noSound();
    const SpeechResult<Voices::Spoken> spoken = m_voices->synthesize(
        text, m_rate, m_choice ? m_choice->voice() : QString(), m_choice ? m_choice->language() : QString());
    if (!spoken) {
        qCWarning(lcSpeech) << spoken.error().message;
        // Said as it is: the words are shown, and the parent can act on it.
        if (spoken.error().kind == SpeechError::Kind::NoLanguage)
            return spoken.error();
        return noSound();
    }
    const SpeechSystem::Synthesis &synthesis = spoken->synthesis;
    if (!m_player->play(withoutSilentEnds(synthesis.pcm, synthesis.sampleRate), synthesis.sampleRate))
        return SpeechError{SpeechError::Kind::Synthesis,
                           QCoreApplication::translate("Speech", "Another phrase is being said.")};
    return Started{spoken->notice};
}

QByteArray withoutSilentEnds(const QByteArray &pcm16Mono, int sampleRate)
{
    // Quieter than this is silence: about -50 dB below full scale.
    constexpr int threshold = 100;
    const auto *samples = reinterpret_cast<const qint16 *>(pcm16Mono.constData());
    const qsizetype count = pcm16Mono.size() / 2;
    qsizetype first = 0;
    while (first < count && std::abs(samples[first]) < threshold)
        ++first;
    if (first == count)
        return pcm16Mono;
    qsizetype last = count - 1;
    while (last > first && std::abs(samples[last]) < threshold)
        --last;
    const qsizetype margin = qMax(1, sampleRate) / 50; // 20 ms
    first = qMax<qsizetype>(0, first - margin);
    last = qMin(count - 1, last + margin);
    return pcm16Mono.mid(first * 2, (last - first + 1) * 2);
}
