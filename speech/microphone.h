#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

// Where recordings come from: the desktop's default microphone through the
// sound module. It is open only between open() and close().
class Microphone
{
public:
    using Samples = std::function<void(const QByteArray &pcm16Mono)>;
    using Failed = std::function<void(const QString &message)>;

    virtual ~Microphone() = default;

    // Whether there is a microphone to record from; if not, a message that
    // says why and what to do.
    virtual Result<Done, QString> available() = 0;
    // Starts recording 16-bit mono samples at the rate; they arrive from the
    // event loop until close(), and failed runs once if the microphone goes.
    virtual Result<Done, QString> open(int sampleRate, Samples samples, Failed failed) = 0;
    virtual void close() = 0;
};

// The desktop's default microphone, through the sound module, which is
// loaded when it is first asked.
std::shared_ptr<Microphone> makeSystemMicrophone();

inline QString noMicrophoneMessage()
{
    return QCoreApplication::translate("Speech", "No microphone was found: connect one, or switch it on in the sound "
                                                 "settings, to record.");
}
