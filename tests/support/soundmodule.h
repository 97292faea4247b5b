#pragma once

// Tests name the sound module themselves: under a sanitizer, loading it by
// name does not search the test's run path.

#include "speech/audiooutput.h"

#include <QDeadlineTimer>
#include <QCoreApplication>

#include <optional>

namespace testsupport {

inline const bool soundModuleNamed = (useSoundModule(QStringLiteral(POMWIT_SOUND_MODULE_PATH)), true);

// Plays the samples and waits for their end.
inline SpeechResult<> playToTheEnd(AudioOutput &output, const QByteArray &pcm, int sampleRate, int timeoutMs = 30000)
{
    std::optional<SpeechResult<>> result;
    output.start(pcm, sampleRate, [&result](const SpeechResult<> &r) { result = r; });
    const QDeadlineTimer deadline(timeoutMs);
    while (!result && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    if (!result)
        return SpeechError{SpeechError::Kind::NoSound, QStringLiteral("no end within %1 ms").arg(timeoutMs)};
    return *result;
}

} // namespace testsupport
