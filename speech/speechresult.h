#pragma once

#include "base/result.h"

#include <QString>

// Why speech, the sound output or the engine selector failed, in words a
// parent can act on.
struct SpeechError
{
    enum class Kind {
        NoEngine,  // the synthesiser could not start
        NoVoice,   // a voice could not be loaded
        NoLanguage, // no voice speaks the card set's language
        BadRate,   // a speaking rate outside the scale
        Synthesis, // the synthesiser refused the text
        NoSound,   // nothing could be played
        NoSuchMode,
        Stopped,   // ended early: the program or its window is closing
    };
    Kind kind = Kind::Synthesis;
    QString message;
};

template <typename T = Done>
using SpeechResult = Result<T, SpeechError>;
