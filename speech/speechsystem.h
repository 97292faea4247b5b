#pragma once

#include "speech/speechresult.h"
#include "speech/voicecatalog.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcSpeech)

// The process's one text-to-speech engine: started on first use and kept
// until the program ends (the engine has a single, global callback).
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

    SpeechSystem(const SpeechSystem &) = delete;
    SpeechSystem &operator=(const SpeechSystem &) = delete;

    bool isReady() const { return m_sampleRate > 0; }

    // The engine's name for the system language's voice, e.g. "gmw/en".
    QString languageVoice() const { return m_languageVoice; }

    // The system language's name and code, e.g. "English", "en".
    QString languageName() const { return m_languageName; }
    QString languageCode() const { return m_languageCode; }

    // The voices of the system's language (English when it has none).
    const VoiceCatalog &voiceCatalog() const { return m_catalog; }

    // Turns text into samples with the voice (e.g. "gmw/en+f2"; empty for the
    // language's voice). With markup set, the text is SSML and everything
    // outside its elements must be escaped.
    SpeechResult<Synthesis> synthesize(const QString &text, bool markup, int wordsPerMinute, const QString &voice);

    static constexpr int normalWordsPerMinute = 175;

private:
    SpeechSystem();
    SpeechResult<> loadVoice(const QString &voice);

    int m_sampleRate = 0;
    QString m_languageVoice;
    QString m_languageName;
    QString m_languageCode;
    QString m_loadedVoice;
    VoiceCatalog m_catalog;
};
