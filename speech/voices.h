#pragma once

#include "speech/speechresult.h"
#include "speech/speechsystem.h"
#include "speech/voicecatalog.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>

class FliteEngine;

// Every voice the child can hear, over both engines. When the system's
// language is English, the natural voices come ahead of espeak-ng's in each
// gender and the best natural female voice is the default. A natural voice
// whose engine cannot start is heard through espeak-ng instead.
//
// A card set speaks its own language: its voices come first, and a voice
// chosen in another language gives way to one of the set's language and the
// same gender. The natural voices speak English only. An empty language is
// the system's.
class Voices
{
public:
    // The program's voices, one set per process.
    static std::shared_ptr<Voices> system();

    explicit Voices(std::shared_ptr<FliteEngine> natural);
    ~Voices();

    // Listed when first asked; starts espeak-ng, loads no natural voice.
    const VoiceCatalog &catalog();
    // The language's voices, then the system language's.
    const VoiceCatalog &catalog(const QString &language);

    // The voice that is heard for a choice (empty: no choice made) in the
    // language; empty when no voice speaks a language not the system's.
    QString heardVoice(const QString &chosen, const QString &language = {});

    struct Spoken
    {
        SpeechSystem::Synthesis synthesis;
        // Set once, on the first phrase said by espeak-ng in place of a natural voice.
        std::optional<SpeechError> notice;
    };
    // A card window phrase at a rate of -10 to 10, in the language's phrase
    // pattern ("a for apple", "A wie Apfel"); its letter is said by its name
    // in every engine.
    SpeechResult<Spoken> synthesize(const QString &phrase, int rate, const QString &chosen,
                                    const QString &language = {});

    static QString fellBackMessage();
    static QString noVoiceMessage(const QString &language);

private:
    bool isSystemLanguage(const QString &language);
    // The catalog's first voice of the engine (any when empty), gender and
    // language; empty when it has none.
    static QString firstVoiceOf(const VoiceCatalog &voices, const QString &engine, VoiceGender gender,
                                const QString &language);

    std::shared_ptr<FliteEngine> m_natural;
    std::optional<VoiceCatalog> m_catalog;
    std::map<QString, VoiceCatalog> m_catalogs; // by language, for languages not the system's
    bool m_fellBackTold = false;
};
