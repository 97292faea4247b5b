#pragma once

#include "speech/engineselector.h"
#include "speech/voicecatalog.h"

#include <memory>
#include <optional>

class Voices;

// The engine selector over every voice of both engines, the card set's
// language's first. Choosing a mode makes its voice the one the child hears
// for the rest of the run; the current mode is the voice actually heard:
// espeak-ng's when a natural voice could not start, one of the card set's
// language when the chosen one cannot speak it.
class EspeakEngineSelector : public EngineSelector
{
    Q_OBJECT

public:
    // The voices of the system's language, listed when first asked.
    EspeakEngineSelector(std::shared_ptr<VoiceChoice> choice, QWidget *parent = nullptr);
    EspeakEngineSelector(std::shared_ptr<Voices> voices, std::shared_ptr<VoiceChoice> choice,
                         QWidget *parent = nullptr);
    EspeakEngineSelector(VoiceCatalog catalog, std::shared_ptr<VoiceChoice> choice, QWidget *parent = nullptr);

    SpeechResult<qint32> Find(const QString &attributes) override;
    SpeechResult<> Select(qint32 mode) override;
    SpeechResult<qint32> CountEngines() override;
    SpeechResult<QString> ModeName(qint32 mode) override;
    SpeechResult<qint32> CurrentMode() override;
    SpeechResult<> setCurrentMode(qint32 mode) override;

private:
    SpeechResult<const VoiceMode *> modeAt(qint32 mode);
    QString language() const;
    const VoiceCatalog &catalog();

    std::shared_ptr<VoiceChoice> m_choice;
    std::shared_ptr<Voices> m_voices;
    // Listed on first use: the card window (which holds this control) opens
    // without waiting for the speech engine to start.
    std::optional<VoiceCatalog> m_catalog;
    QString m_listedFor; // the card set's language the catalog was listed for
    qint32 m_current = 0;
};
