#include "speech/systemaudiooutput.h"

#include "speech/soundserver.h"
#include "speech/speechsystem.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace {
constexpr std::chrono::milliseconds bufferDuration(200);
constexpr std::chrono::milliseconds serverTimeout(500);
}

QString soundNotAvailableMessage()
{
    return QStringLiteral("Sound is not available, so the words are shown but not spoken.");
}

SpeechError noSound()
{
    return {SpeechError::Kind::NoSound, soundNotAvailableMessage()};
}

std::shared_ptr<AudioOutput> makeSystemAudioOutput()
{
    return std::make_shared<SystemAudioOutput>();
}

SystemAudioOutput::SystemAudioOutput(std::chrono::milliseconds margin) : m_margin(margin) {}

SpeechResult<> SystemAudioOutput::play(const QByteArray &pcm16Mono, int sampleRate)
{
    const auto fail = [](const QString &reason) -> SpeechResult<> {
        qCWarning(lcSpeech).noquote() << "no sound:" << reason;
        return noSound();
    };
    if (pcm16Mono.isEmpty())
        return Done{};
    if (sampleRate <= 0)
        return fail(QStringLiteral("no sample rate"));

    QElapsedTimer clock;
    clock.start();
    QString why;
    if (!soundServerAnswers(serverTimeout, &why))
        return fail(why);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return fail(QStringLiteral("no audio output device"));
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return fail(QStringLiteral("the output device does not take 16-bit mono"));

    // A short buffer keeps the stream close to real time, so that play()
    // returns when the phrase has been heard. The server starts a stream only
    // once its buffer is full: pad a very short phrase with silence.
    const qsizetype bufferBytes = format.bytesForDuration(bufferDuration.count() * 1000);
    QByteArray samples = pcm16Mono;
    if (samples.size() < 2 * bufferBytes)
        samples.append(QByteArray(2 * bufferBytes - samples.size(), '\0'));
    QBuffer source;
    source.setData(samples);
    source.open(QIODevice::ReadOnly);
    QAudioSink sink(device, format);
    sink.setBufferSize(bufferBytes);

    const qint64 durationMs = qint64(samples.size() / 2) * 1000 / sampleRate;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer lastSamples;
    lastSamples.setSingleShot(true);
    QObject::connect(&lastSamples, &QTimer::timeout, &loop, &QEventLoop::quit);

    QElapsedTimer playing;
    bool allWritten = false;
    bool failed = false;
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        qCDebug(lcSpeech) << "sound stream" << state << sink.error() << "after" << clock.elapsed() << "ms";
        if (state == QAudio::IdleState && !allWritten) {
            // Every sample is with the sound server now; wait for it to play
            // what it still holds before closing the stream.
            allWritten = true;
            lastSamples.start(int(std::clamp<qint64>(durationMs - playing.elapsed(), 0, durationMs)));
        } else if (state == QAudio::StoppedState) {
            failed = sink.error() != QAudio::NoError;
            loop.quit();
        }
    });

    playing.start();
    deadline.start(int(std::max<qint64>(0, durationMs + m_margin.count() - clock.elapsed())));
    sink.start(&source);
    if (sink.state() == QAudio::StoppedState) // a quit() before exec() would be lost
        return fail(QStringLiteral("the sound stream could not be opened"));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool finished = allWritten && !lastSamples.isActive();
    sink.stop();

    if (failed)
        return fail(QStringLiteral("the sound stream failed"));
    if (!finished)
        return fail(QStringLiteral("the sound server did not play the phrase in time"));
    return Done{};
}
