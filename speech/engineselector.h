#pragma once

#include "speech/speechresult.h"

#include <QString>
#include <QWidget>

#include <memory>

class VoiceChoice;

// The speech-engine selector control of the card window: a list of modes
// numbered from 1 to the count, one of which is current (0 when none is).
class EngineSelector : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The mode that best matches "key=value;key=value" attributes, 0 when there are no modes.
    virtual SpeechResult<qint32> Find(const QString &attributes) = 0;
    virtual SpeechResult<> Select(qint32 mode) = 0;
    virtual SpeechResult<qint32> CountEngines() = 0;
    virtual SpeechResult<QString> ModeName(qint32 mode) = 0;
    virtual SpeechResult<qint32> CurrentMode() = 0;
    virtual SpeechResult<> setCurrentMode(qint32 mode) = 0;
};

// The selector over the speech system's voices; a chosen mode's voice goes
// into the choice that the speaking voice reads.
EngineSelector *makeSystemEngineSelector(std::shared_ptr<VoiceChoice> choice, QWidget *parent);
