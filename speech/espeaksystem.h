#pragma once

#include "speech/speechsystem.h"

// The speech engine of the sound module: espeak-ng, synchronous.
class EspeakSystem final : public SpeechSystem
{
public:
    EspeakSystem();
    EspeakSystem(const EspeakSystem &) = delete;
    EspeakSystem &operator=(const EspeakSystem &) = delete;

    bool isReady() const override { return m_sampleRate > 0; }
    QString languageVoice() const override { return m_languageVoice; }
    QString languageName() const override { return m_languageName; }
    QString languageCode() const override { return m_languageCode; }
    const VoiceCatalog &voiceCatalog() const override { return m_catalog; }
    VoiceCatalog voiceCatalogFor(const QString &language) const override;
    QString voiceFor(const QString &language) const override;
    QStringList languages() const override;
    SpeechResult<Synthesis> synthesize(const QString &text, bool markup, int wordsPerMinute,
                                       const QString &voice) override;

private:
    SpeechResult<> loadVoice(const QString &voice);

    int m_sampleRate = 0;
    QString m_languageVoice;
    QString m_languageName;
    QString m_languageCode;
    QString m_loadedVoice;
    VoiceCatalog m_catalog;
    QList<VoiceVariant> m_variants;
};
