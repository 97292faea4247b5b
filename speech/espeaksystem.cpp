#include "speech/espeaksystem.h"

#include "speech/speechlogging.h"

#include "base/languagetag.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <espeak-ng/speak_lib.h>

#include <cstring>


namespace {

struct Collector
{
    SpeechSystem::Synthesis *synthesis;
};

int collect(short *samples, int count, espeak_EVENT *events)
{
    // The list always holds at least its terminator, which carries the user data too.
    auto *collector = events ? static_cast<Collector *>(events->user_data) : nullptr;
    if (!collector)
        return 0;
    if (samples && count > 0)
        collector->synthesis->pcm.append(reinterpret_cast<const char *>(samples),
                                         qsizetype(count) * qsizetype(sizeof(short)));
    for (espeak_EVENT *event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type == espeakEVENT_WORD) {
            collector->synthesis->phonemes += QStringLiteral("| ");
        } else if (event->type == espeakEVENT_PHONEME) {
            char name[sizeof event->id.string + 1] = {};
            std::memcpy(name, event->id.string, sizeof event->id.string);
            collector->synthesis->phonemes += QString::fromUtf8(name) + QLatin1Char(' ');
        }
    }
    return 0; // go on synthesising
}

// Voices that need a separate program, and the variants, are not languages.
bool isLanguageVoice(const espeak_VOICE *voice)
{
    const QLatin1String identifier(voice->identifier);
    return !identifier.startsWith(QLatin1String("mb/")) && !identifier.startsWith(QLatin1String("!v/"));
}

QString languageVoiceFor(const QString &language)
{
    espeak_VOICE wanted{};
    const QByteArray name = language.toUtf8();
    wanted.languages = name.constData();
    const espeak_VOICE **voices = espeak_ListVoices(&wanted);
    for (int i = 0; voices && voices[i]; ++i) {
        if (isLanguageVoice(voices[i]))
            return QString::fromUtf8(voices[i]->identifier);
    }
    return {};
}

QList<VoiceVariant> listVariants()
{
    espeak_VOICE wanted{};
    wanted.languages = "variant";
    QList<VoiceVariant> variants;
    const espeak_VOICE **voices = espeak_ListVoices(&wanted);
    for (int i = 0; voices && voices[i]; ++i) {
        VoiceVariant variant;
        variant.identifier = QString::fromUtf8(voices[i]->identifier).remove(QStringLiteral("!v/"));
        // Only the plain numbered voices: the named extras include effects
        // ("whisper", "croak", robots) that have no place in a toddler's list.
        static const QRegularExpression plain(QStringLiteral("^[fm][0-9]+$"));
        if (!plain.match(variant.identifier).hasMatch())
            continue;
        variant.name = QString::fromUtf8(voices[i]->name);
        // The engine counts 1 as male and 2 as female.
        if (voices[i]->gender == 1)
            variant.gender = VoiceGender::Male;
        else if (voices[i]->gender == 2)
            variant.gender = VoiceGender::Female;
        variants.append(variant);
    }
    return variants;
}

} // namespace

EspeakSystem::EspeakSystem()
{
    // Synchronous: the engine hands every sample to the callback before
    // espeak_Synth returns; the caller decides how to play them.
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                       espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        qCWarning(lcSpeech) << "the speech engine could not start (its voice data is missing)";
        return;
    }
    m_sampleRate = rate;

    const QLocale locale = QLocale::system();
    QLocale::Language language = locale.language();
    QString voice;
    if (language != QLocale::C && language != QLocale::AnyLanguage) {
        voice = languageVoiceFor(locale.name().replace(QLatin1Char('_'), QLatin1Char('-')).toLower());
        if (voice.isEmpty())
            voice = languageVoiceFor(QLocale::languageToCode(language));
    }
    if (voice.isEmpty()) {
        language = QLocale::English;
        voice = languageVoiceFor(QStringLiteral("en"));
    }
    m_languageVoice = voice;
    m_languageName = QLocale::languageToString(language);
    m_languageCode = QLocale::languageToCode(language);
    m_variants = listVariants();
    m_catalog = VoiceCatalog::forLanguage(m_languageName, m_languageCode, voice, m_variants);
    qCDebug(lcSpeech) << "speech engine ready at" << rate << "Hz; default voice" << voice << ";"
                      << m_catalog.count() << "modes";
}

QString EspeakSystem::voiceFor(const QString &language) const
{
    const QString tag = languageTag::canonical(language);
    if (!isReady() || tag.isEmpty())
        return {};
    // The language's own voice, else one of its regions ("de-AT" speaks as "de").
    const QString voice = languageVoiceFor(tag.toLower());
    return voice.isEmpty() ? languageVoiceFor(languageTag::primary(tag)) : voice;
}

VoiceCatalog EspeakSystem::voiceCatalogFor(const QString &language) const
{
    const QString voice = voiceFor(language);
    if (voice.isEmpty())
        return {};
    const QString tag = languageTag::canonical(language);
    const QLocale::Language named = QLocale(tag).language();
    const QString name = named == QLocale::C || named == QLocale::AnyLanguage ? tag : QLocale::languageToString(named);
    return VoiceCatalog::forLanguage(name, tag, voice, m_variants);
}

QStringList EspeakSystem::languages() const
{
    QStringList codes;
    if (!isReady())
        return codes;
    const espeak_VOICE **voices = espeak_ListVoices(nullptr);
    for (int i = 0; voices && voices[i]; ++i) {
        // A priority byte, then the voice's first language.
        const char *languages = voices[i]->languages;
        if (!isLanguageVoice(voices[i]) || !languages || !languages[0])
            continue;
        const QString code = languageTag::primary(languageTag::canonical(QString::fromUtf8(languages + 1)));
        if (!code.isEmpty() && !codes.contains(code))
            codes.append(code);
    }
    codes.sort();
    return codes;
}

SpeechResult<> EspeakSystem::loadVoice(const QString &voice)
{
    if (voice == m_loadedVoice)
        return Done{};
    if (espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK)
        return SpeechError{SpeechError::Kind::NoVoice,
                           QCoreApplication::translate("Speech", "The voice \"%1\" could not be loaded.").arg(voice)};
    m_loadedVoice = voice;
    return Done{};
}

SpeechResult<SpeechSystem::Synthesis> EspeakSystem::synthesize(const QString &text, bool markup, int wordsPerMinute,
                                                               const QString &voice)
{
    if (!isReady())
        return SpeechError{SpeechError::Kind::NoEngine, notStartedMessage()};
    if (const SpeechResult<> loaded = loadVoice(voice.isEmpty() ? m_languageVoice : voice); !loaded)
        return loaded.error();
    if (espeak_SetParameter(espeakRATE, wordsPerMinute, 0) != EE_OK)
        return SpeechError{SpeechError::Kind::BadRate,
                           QCoreApplication::translate("Speech", "The speaking rate could not be set.")};

    Synthesis synthesis;
    synthesis.sampleRate = m_sampleRate;
    Collector collector{&synthesis};
    // Set every time: the callback is the engine's one global.
    espeak_SetSynthCallback(collect);
    const QByteArray utf8 = text.toUtf8();
    const unsigned flags = espeakCHARS_UTF8 | (markup ? espeakSSML : 0u);
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             flags, nullptr, &collector);
    if (result != EE_OK)
        return SpeechError{SpeechError::Kind::Synthesis,
                           QCoreApplication::translate("Speech", "The speech engine could not say \"%1\" (error %2).")
                               .arg(text)
                               .arg(int(result))};
    synthesis.phonemes = synthesis.phonemes.trimmed();
    return synthesis;
}

// The sound module's entry points, looked up by name when it is loaded.
extern "C" Q_DECL_EXPORT SpeechSystem *pomwitSpeechSystem()
{
    static EspeakSystem system;
    return &system;
}
