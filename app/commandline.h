#pragma once

#include <optional>

// --help and --version, answered before anything needs a display; any other
// argument is left to Qt's own (-platform, -style, ...). Returns the exit
// status when the program is to end at once.
std::optional<int> answerCommandLine(int argc, char *argv[]);
