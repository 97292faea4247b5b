#pragma once

#include "speech/speechresult.h"
#include "speech/voicecatalog.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The process's one text-to-speech engine: started on first use and kept
// until the program ends (the engine has a single, global callback). It lives
// in the sound module with the sound output, loaded on first use too: their
// libraries are most of what the program would otherwise load at start.
class SpeechSystem
{
public:
    struct Synthesis
    {
        QByteArray pcm; // 16-bit signed mono
        int sampleRate = 0;
        // Phoneme names in spoken order; each word starts with "|".
        QString phonemes;
    };

    static SpeechSystem &instance();

    virtual ~SpeechSystem() = default;

    virtual bool isReady() const = 0;

    // The engine's name for the system language's voice, e.g. "gmw/en".
    virtual QString languageVoice() const = 0;

    // The system language's name and code, e.g. "English", "en".
    virtual QString languageName() const = 0;
    virtual QString languageCode() const = 0;

    // The voices of the system's language (English when it has none).
    virtual const VoiceCatalog &voiceCatalog() const = 0;

    // The same for a language tag ("de", "pt-BR"); empty when no voice speaks it.
    virtual VoiceCatalog voiceCatalogFor(const QString &language) const = 0;
    // The engine's name for the voice of a language tag, e.g. "gmw/de";
    // empty when no voice speaks it.
    virtual QString voiceFor(const QString &language) const = 0;
    // Every language the voices speak, as tags without a region, sorted.
    virtual QStringList languages() const = 0;

    // Turns text into samples with the voice (e.g. "gmw/en+f2"; empty for the
    // language's voice). With markup set, the text is SSML and everything
    // outside its elements must be escaped.
    virtual SpeechResult<Synthesis> synthesize(const QString &text, bool markup, int wordsPerMinute,
                                               const QString &voice) = 0;

    static constexpr int normalWordsPerMinute = 175;

    static QString notStartedMessage()
    {
        return QCoreApplication::translate("Speech", "The speech engine could not start (its voice data is missing).");
    }
};
