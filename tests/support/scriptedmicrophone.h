#pragma once

#include "speech/microphone.h"

namespace testsupport {

// A microphone whose samples the test hands over while it is open.
class ScriptedMicrophone : public Microphone
{
public:
    Result<Done, QString> available() override { return present ? Result<Done, QString>(Done{}) : noMicrophoneMessage(); }
    Result<Done, QString> open(int, Samples heard, Failed) override { ++opened; samples = std::move(heard); return Done{}; }
    void close() override { samples = nullptr; }
    bool present = true;
    int opened = 0;
    Samples samples; // set while open
};

} // namespace testsupport
