#include "speech/voices.h"

#include "base/languagetag.h"
#include "speech/fliteengine.h"
#include "speech/phrasepatterns.h"

#include <QCoreApplication>
#include <QLocale>

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
    return QCoreApplication::translate(
        "Speech", "The natural voice could not be started, so the words are spoken in a plainer voice.");
}

QString Voices::noVoiceMessage(const QString &language)
{
    const QLocale::Language named = QLocale(language).language();
    const QString name = named == QLocale::C ? language : QLocale::languageToString(named);
    return QCoreApplication::translate("Speech",
                                       "No voice on this computer speaks %1 (%2), the language of the card set, so "
                                       "the words are shown but not spoken. Set the card set's language with "
                                       "pomwit-cards language.")
        .arg(name, language);
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

const VoiceCatalog &Voices::catalog(const QString &language)
{
    if (isSystemLanguage(language))
        return catalog();
    const QString tag = languageTag::canonical(language);
    if (const auto listed = m_catalogs.find(tag); listed != m_catalogs.end())
        return listed->second;
    VoiceCatalog own = SpeechSystem::instance().voiceCatalogFor(tag);
    if (m_natural && languageTag::sameLanguage(tag, QStringLiteral("en")))
        own = own.withNaturalVoices(QLocale::languageToString(QLocale::English), tag, FliteEngine::engineName,
                                    m_natural->installedVoices());
    return m_catalogs.emplace(tag, own.followedBy(catalog())).first->second;
}

bool Voices::isSystemLanguage(const QString &language)
{
    return language.isEmpty() || languageTag::sameLanguage(language, SpeechSystem::instance().languageCode());
}

QString Voices::heardVoice(const QString &chosen, const QString &language)
{
    const bool own = isSystemLanguage(language);
    const QString wanted = own ? SpeechSystem::instance().languageCode() : languageTag::canonical(language);
    const VoiceCatalog &voices = catalog(language);
    // The language's own voice: what is heard of it when no better is listed.
    const auto languageVoice = [&] { return own ? QString() : SpeechSystem::instance().voiceFor(wanted); };
    QString voice = chosen;
    if (voice.isEmpty()) {
        voice = firstVoiceOf(voices, FliteEngine::engineName, VoiceGender::Female, wanted);
        if (voice.isEmpty())
            voice = languageVoice();
    } else if (const VoiceMode *mode = voices.mode(voices.numberOf(voice));
               mode && !languageTag::sameLanguage(mode->language, wanted)) {
        voice = firstVoiceOf(voices, {}, mode->gender, wanted);
        if (voice.isEmpty())
            voice = languageVoice();
    }
    if (m_natural && m_natural->speaks(voice) && m_natural->hasFailed()) {
        const VoiceMode *natural = voices.mode(voices.numberOf(voice));
        return firstVoiceOf(voices, VoiceCatalog::engineName, natural ? natural->gender : VoiceGender::Female, wanted);
    }
    return voice;
}

QString Voices::firstVoiceOf(const VoiceCatalog &voices, const QString &engine, VoiceGender gender,
                             const QString &language)
{
    VoiceQuery query;
    if (!engine.isEmpty())
        query.engines = {engine};
    query.genders = {gender};
    query.languages = {language};
    const VoiceMode *mode = voices.mode(voices.bestMatch(query));
    if (mode && (engine.isEmpty() || mode->engine == engine) && mode->gender == gender
        && languageTag::sameLanguage(mode->language, language))
        return mode->voice;
    return {};
}

SpeechResult<Voices::Spoken> Voices::synthesize(const QString &phrase, int rate, const QString &chosen,
                                                const QString &language)
{
    QString voice = heardVoice(chosen, language);
    if (voice.isEmpty() && !isSystemLanguage(language))
        return SpeechError{SpeechError::Kind::NoLanguage, noVoiceMessage(languageTag::canonical(language))};
    // Phrases without a language are English's: "x for word".
    const QString letter = phrasePatterns::letterOf(phrase, language.isEmpty() ? languageTag::fallback() : language);
    const bool letterFirst = !letter.isEmpty();
    Spoken spoken;
    if (m_natural && m_natural->speaks(voice)) {
        const auto natural = m_natural->synthesize(phrase, letterFirst, std::pow(3.0, -rate / 10.0), voice);
        if (natural) {
            spoken.synthesis = *natural;
            return spoken;
        }
        if (!m_natural->hasFailed())
            return natural.error();
        voice = heardVoice(chosen, language);
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
