#pragma once

#include "speech/voicecatalog.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcSpeech)

// The process's one text-to-speech engine: started on first use and kept
// until the program ends. It also holds the default voice for this run,
// which every speaking voice uses and the engine selector sets.
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
    QString lastError() const { return m_lastError; }

    // The engine's name for the voice, e.g. "gmw/en" or "gmw/en+f2".
    QString defaultVoice() const { return m_defaultVoice; }
    void setDefaultVoice(const QString &voice) { m_defaultVoice = voice; }

    // The voices of the system's language (English when it has none).
    const VoiceCatalog &voiceCatalog() const { return m_catalog; }

    // Turns text into samples with the default voice. With markup set, the
    // text is SSML and everything outside its elements must be escaped.
    std::optional<Synthesis> synthesize(const QString &text, bool markup, int wordsPerMinute);

    static constexpr int normalWordsPerMinute = 175;

private:
    SpeechSystem();
    bool loadVoice(const QString &voice);

    int m_sampleRate = 0;
    QString m_defaultVoice;
    QString m_loadedVoice;
    VoiceCatalog m_catalog;
    QString m_lastError;
};
