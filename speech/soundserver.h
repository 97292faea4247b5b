#pragma once

#include <QString>

#include <chrono>

// Whether the desktop's sound server answers within the timeout. Qt
// Multimedia waits for the server without a limit, so a server that accepts
// connections and then never replies would freeze the program; this asks
// first, with a limit.
bool soundServerAnswers(std::chrono::milliseconds timeout, QString *why);
