#include "speech/speakingvoice.h"

#include "base/cardword.h"
#include "speech/audiooutput.h"
#include "speech/speechsystem.h"
#include "speech/voicechoice.h"

#include <cmath>

namespace {

int wordsPerMinute(int rate)
{
    return int(std::lround(SpeechSystem::normalWordsPerMinute * std::pow(3.0, rate / 10.0)));
}

// A lone first letter followed by " for " is read as the article ("a for
// apple") unless it is marked up as a character; the rest of the phrase is
// escaped so that a card word is always spoken as text.
QString utteranceFor(const QString &phrase, bool *markup)
{
    const QString letter = firstCharacter(phrase);
    *markup = phrase.size() > letter.size() && phrase.mid(letter.size()).startsWith(QLatin1String(" for "));
    if (!*markup)
        return phrase;
    return QStringLiteral("<say-as interpret-as=\"characters\">") + letter.toHtmlEscaped()
           + QStringLiteral("</say-as>") + phrase.mid(letter.size()).toHtmlEscaped();
}

} // namespace

SpeakingVoice::SpeakingVoice(std::shared_ptr<AudioOutput> output, std::shared_ptr<const VoiceChoice> choice)
    : m_output(std::move(output))
    , m_choice(std::move(choice))
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
    bool markup = false;
    const QString utterance = utteranceFor(text, &markup);
    const SpeechResult<SpeechSystem::Synthesis> synthesis = SpeechSystem::instance().synthesize(
        utterance, markup, wordsPerMinute(m_rate), m_choice ? m_choice->voice() : QString());
    if (!synthesis) {
        qCWarning(lcSpeech) << synthesis.error().message;
        return noSound();
    }
    m_phonemes = synthesis->phonemes;
    return m_output->play(synthesis->pcm, synthesis->sampleRate);
}

QString SpeakingVoice::lastPhonemes() const
{
    return m_phonemes;
}
