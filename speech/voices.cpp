#include "speech/voices.h"

#include "base/cardword.h"
#include "speech/fliteengine.h"

#include <cmath>

namespace {

const QString mfg = QStringLiteral("Mfg");
const QString gender = QStringLiteral("Gender");

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
    if (voice.isEmpty()) {
        const qint32 best = catalog().bestMatch(mfg + QLatin1Char('=') + FliteEngine::engineName + QStringLiteral(";Gender=1"));
        const VoiceMode *mode = catalog().mode(best);
        if (mode && mode->has(mfg, FliteEngine::engineName) && mode->has(gender, QStringLiteral("1")))
            voice = mode->voice;
    }
    if (m_natural && m_natural->speaks(voice) && m_natural->hasFailed())
        return plainVoiceFor(voice);
    return voice;
}

// espeak-ng's first voice of the natural voice's gender; its language voice
// when it has none.
QString Voices::plainVoiceFor(const QString &naturalVoice)
{
    const VoiceMode *natural = catalog().mode(catalog().numberOf(naturalVoice));
    const QString wanted = natural ? natural->attribute(gender) : QStringLiteral("1");
    const qint32 plain = catalog().bestMatch(mfg + QLatin1Char('=') + VoiceCatalog::engineName + QLatin1Char(';')
                                             + gender + QLatin1Char('=') + wanted);
    const VoiceMode *mode = catalog().mode(plain);
    if (mode && mode->has(mfg, VoiceCatalog::engineName) && mode->has(gender, wanted))
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
