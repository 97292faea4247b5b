#pragma once

#include "speech/speechresult.h"
#include "speech/speechsystem.h"
#include "speech/voicecatalog.h"

#include <QString>

#include <memory>
#include <optional>

class FliteEngine;

// Every voice the child can hear, over both engines. When the system's
// language is English, the natural voices come ahead of espeak-ng's in each
// gender and the best natural female voice is the default. A natural voice
// whose engine cannot start is heard through espeak-ng instead.
class Voices
{
public:
    // The program's voices, one set per process.
    static std::shared_ptr<Voices> system();

    explicit Voices(std::shared_ptr<FliteEngine> natural);
    ~Voices();

    // Listed when first asked; starts espeak-ng, loads no natural voice.
    const VoiceCatalog &catalog();

    // The voice that is heard for a choice (empty: no choice made).
    QString heardVoice(const QString &chosen);

    struct Spoken
    {
        SpeechSystem::Synthesis synthesis;
        // Set once, on the first phrase said by espeak-ng in place of a natural voice.
        std::optional<SpeechError> notice;
    };
    // A card window phrase at a rate of -10 to 10; "x for word" starts with
    // the name of x in every engine.
    SpeechResult<Spoken> synthesize(const QString &phrase, int rate, const QString &chosen);

    static QString fellBackMessage();

private:
    // The engine's first voice of the gender; empty (the language's voice) when it has none.
    QString firstVoiceOf(const QString &engine, VoiceGender gender);

    std::shared_ptr<FliteEngine> m_natural;
    std::optional<VoiceCatalog> m_catalog;
    bool m_fellBackTold = false;
};
