#pragma once

// Tests name the sound module themselves: under a sanitizer, loading it by
// name does not search the test's run path.

#include "speech/audiooutput.h"
#include "speech/recordingcodec.h"

#include <QDeadlineTimer>
#include <QCoreApplication>

#include <cmath>
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

// A tone of the length at the amplitude (of 32767), as a recording holds it.
inline RecordedSound tone(int ms, int rate = 22050, double amplitude = 8000, double hz = 440)
{
    QByteArray pcm(qsizetype(rate) * ms / 1000 * 2, Qt::Uninitialized);
    auto *samples = reinterpret_cast<qint16 *>(pcm.data());
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        samples[i] = qint16(amplitude * std::sin(2 * M_PI * hz * double(i) / rate));
    return {pcm, rate};
}

// The tone as the card set's Ogg Vorbis recording.
inline QByteArray oggTone(int ms)
{
    const auto ogg = RecordingCodec::instance().encode(tone(ms));
    return ogg ? ogg.value() : QByteArray();
}

} // namespace testsupport
