#pragma once

#include <QLoggingCategory>

// The speech library's category, "pomwit.speech". The program and the sound
// module are separate binaries: each compiles its definition once.
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
