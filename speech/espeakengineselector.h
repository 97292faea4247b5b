#pragma once

#include "speech/engineselector.h"
#include "speech/voicecatalog.h"

#include <optional>

// The engine selector over the speech system's voices. Choosing a mode makes
// its voice the default voice for the rest of the run.
class EspeakEngineSelector : public EngineSelector
{
    Q_OBJECT

public:
    // The voices of the system's language.
    explicit EspeakEngineSelector(QWidget *parent = nullptr);
    EspeakEngineSelector(VoiceCatalog catalog, QWidget *parent = nullptr);

    qint32 Find(const QString &attributes) override;
    bool Select(qint32 mode) override;
    qint32 CountEngines() override;
    QString ModeName(qint32 mode) override;
    qint32 CurrentMode() override;
    bool setCurrentMode(qint32 mode) override;

private:
    const VoiceMode *modeOrError(qint32 mode);
    const VoiceCatalog &catalog();

    // Listed on first use: the card window (which holds this control) opens
    // without waiting for the speech engine to start.
    std::optional<VoiceCatalog> m_catalog;
    bool m_fromSystem = false;
    qint32 m_current = 0;
};
