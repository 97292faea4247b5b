#pragma once

#include <QLoggingCategory>

// The speech library's category, "pomwit.speech". The program and the sound
// module are separate binaries, so each defines it once: the program where it
// loads the module, the module beside its speech engine.
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
