#include "speech/voices.h"

#include "base/cardword.h"
#include "speech/fliteengine.h"

#include <cmath>

namespace {

int wordsPerMinute(int rate)
{
    return int(std::lround(SpeechSystem::normalWordsPerMinute * std::pow(3.0, rate / 10.0)));
}

// espeak-ng reads a lone first letter followed by " for " as the article ("a
// for apple") unless it is marked up as a character; the rest of the phrase
// is escaped so that a card word is always spoken as text.
QString espeakUtterance(const QString &phrase, const QString &letter)
{
    return QStringLiteral("<say-as interpret-as=\"characters\">") + letter.toHtmlEscaped()
           + QStringLiteral("</say-as>") + phrase.mid(letter.size()).toHtmlEscaped();
}

} // namespace

std::shared_ptr<Voices> Voices::system()
{
    static const auto voices = std::make_shared<Voices>(std::make_shared<FliteEngine>());
    return voices;
}

Voices::Voices(std::shared_ptr<FliteEngine> natural) : m_natural(std::move(natural)) {}

Voices::~Voices() = default;

QString Voices::fellBackMessage()
{
    return QStringLiteral("The natural voice could not be started, so the words are spoken in a plainer voice.");
}

const VoiceCatalog &Voices::catalog()
{
    if (!m_catalog) {
        const SpeechSystem &speech = SpeechSystem::instance();
        m_catalog = speech.voiceCatalog();
        // The natural voices speak English only.
        if (m_natural && speech.languageCode() == QLatin1String("en"))
            m_catalog = m_catalog->withNaturalVoices(speech.languageName(), speech.languageCode(),
                                                     FliteEngine::engineName, m_natural->installedVoices());
    }
    return *m_catalog;
}

QString Voices::heardVoice(const QString &chosen)
{
    QString voice = chosen;
    if (voice.isEmpty())
        voice = firstVoiceOf(FliteEngine::engineName, VoiceGender::Female);
    if (m_natural && m_natural->speaks(voice) && m_natural->hasFailed()) {
        const VoiceMode *natural = catalog().mode(catalog().numberOf(voice));
        return firstVoiceOf(VoiceCatalog::engineName, natural ? natural->gender : VoiceGender::Female);
    }
    return voice;
}

QString Voices::firstVoiceOf(const QString &engine, VoiceGender gender)
{
    VoiceQuery query;
    query.engines = {engine};
    query.genders = {gender};
    const VoiceMode *mode = catalog().mode(catalog().bestMatch(query));
    if (mode && mode->engine == engine && mode->gender == gender)
        return mode->voice;
    return {};
}

SpeechResult<Voices::Spoken> Voices::synthesize(const QString &phrase, int rate, const QString &chosen)
{
    const QString letter = firstCharacter(phrase);
    const bool letterFirst = phrase.size() > letter.size() && phrase.mid(letter.size()).startsWith(QLatin1String(" for "));
    QString voice = heardVoice(chosen);
    Spoken spoken;
    if (m_natural && m_natural->speaks(voice)) {
        const auto natural = m_natural->synthesize(phrase, letterFirst, std::pow(3.0, -rate / 10.0), voice);
        if (natural) {
            spoken.synthesis = *natural;
            return spoken;
        }
        if (!m_natural->hasFailed())
            return natural.error();
        voice = heardVoice(chosen);
        if (!std::exchange(m_fellBackTold, true))
            spoken.notice = SpeechError{SpeechError::Kind::NoEngine, fellBackMessage()};
    }
    const auto plain = SpeechSystem::instance().synthesize(letterFirst ? espeakUtterance(phrase, letter) : phrase,
                                                           letterFirst, wordsPerMinute(rate), voice);
    if (!plain)
        return plain.error();
    spoken.synthesis = *plain;
    return spoken;
}
