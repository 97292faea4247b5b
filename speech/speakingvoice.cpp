#include "speech/speakingvoice.h"

#include "speech/audiooutput.h"
#include "speech/speechsystem.h"

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
    const qsizetype first = phrase.size() > 1 && phrase.at(0).isHighSurrogate() && phrase.at(1).isLowSurrogate() ? 2 : 1;
    *markup = phrase.size() > first && phrase.mid(first).startsWith(QLatin1String(" for "));
    if (!*markup)
        return phrase;
    return QStringLiteral("<say-as interpret-as=\"characters\">") + phrase.left(first).toHtmlEscaped()
           + QStringLiteral("</say-as>") + phrase.mid(first).toHtmlEscaped();
}

} // namespace

struct SpeakingVoice::Private
{
    std::shared_ptr<AudioOutput> output;
    int rate = 0;
    QString error;
    QString phonemes;
};

SpeakingVoice::SpeakingVoice(std::shared_ptr<AudioOutput> output) : d(std::make_unique<Private>())
{
    d->output = std::move(output);
}

SpeakingVoice::~SpeakingVoice() = default;

bool SpeakingVoice::setRate(int rate)
{
    if (rate < minimumRate || rate > maximumRate) {
        d->error = QStringLiteral("The speaking rate %1 is outside %2 to %3.").arg(rate).arg(minimumRate).arg(maximumRate);
        return false;
    }
    d->rate = rate;
    return true;
}

int SpeakingVoice::rate() const
{
    return d->rate;
}

// Every flag value speaks synchronously: there is no queue to purge or join.
bool SpeakingVoice::Speak(const QString &text, quint32 flags)
{
    Q_UNUSED(flags)
    d->error.clear();
    d->phonemes.clear();
    if (!d->output) {
        d->error = soundNotAvailableMessage();
        return false;
    }
    SpeechSystem &speech = SpeechSystem::instance();
    bool markup = false;
    const QString utterance = utteranceFor(text, &markup);
    const std::optional<SpeechSystem::Synthesis> synthesis = speech.synthesize(utterance, markup, wordsPerMinute(d->rate));
    if (!synthesis) {
        qCWarning(lcSpeech) << speech.lastError();
        d->error = soundNotAvailableMessage();
        return false;
    }
    d->phonemes = synthesis->phonemes;
    QString error;
    if (!d->output->play(synthesis->pcm, synthesis->sampleRate, &error)) {
        d->error = error.isEmpty() ? soundNotAvailableMessage() : error;
        return false;
    }
    return true;
}

QString SpeakingVoice::lastError() const
{
    return d->error;
}

QString SpeakingVoice::lastPhonemes() const
{
    return d->phonemes;
}
