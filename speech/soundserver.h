#pragma once

#include "base/result.h"

#include <QString>

#include <chrono>

// Whether the desktop's sound server answers within the timeout; if not, why
// (for the log). Qt Multimedia waits for the server without a limit, so a
// server that accepts connections and then never replies would freeze the
// program; this asks first, with a limit.
Result<Done, QString> soundServerAnswers(std::chrono::milliseconds timeout);

