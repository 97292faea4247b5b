#include "speech/systemaudiooutput.h"

#include "speech/playbackprogress.h"
#include "speech/soundserver.h"
#include "speech/speechsystem.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QScopedValueRollback>
#include <QTimer>


namespace {
constexpr std::chrono::milliseconds bufferDuration(200);
constexpr std::chrono::milliseconds serverTimeout(500);
constexpr std::chrono::milliseconds pollInterval(50);
}

SystemAudioOutput::SystemAudioOutput(std::chrono::milliseconds stallLimit) : m_stallLimit(stallLimit) {}

SystemAudioOutput::~SystemAudioOutput() = default;

SpeechResult<> SystemAudioOutput::play(const QByteArray &pcm16Mono, int sampleRate)
{
    const auto fail = [](const QString &reason) -> SpeechResult<> {
        qCWarning(lcSpeech).noquote() << "no sound:" << reason;
        return noSound();
    };
    if (pcm16Mono.isEmpty())
        return Done{};
    // One phrase at a time. A button's delayed click (its access key) runs
    // while a phrase plays and may ask for another: restarting the stream
    // would cut the first phrase off and leave it stalled. The second goes unsaid.
    if (m_playing) {
        qCDebug(lcSpeech) << "a phrase asked for while one plays is not spoken";
        return Done{};
    }
    const QScopedValueRollback<bool> playing(m_playing, true);
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
    Stream &stream = m_streams[sampleRate];
    if (!stream.sink || stream.device != device.id()) {
        stream.device = device.id();
        stream.sink = std::make_unique<QAudioSink>(device, format);
    }
    QAudioSink &sink = *stream.sink;
    sink.setBufferSize(bufferBytes);

    const std::chrono::microseconds length(qint64(samples.size() / 2) * 1000000 / sampleRate);
    PlaybackProgress progress(length, m_stallLimit);
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer sinceStart;
    bool allWritten = false;
    bool failed = false;
    PlaybackProgress::State state = PlaybackProgress::State::Playing;
    const auto check = [&] {
        state = progress.update(std::chrono::milliseconds(sinceStart.elapsed()),
                                std::chrono::microseconds(sink.processedUSecs()), allWritten);
        if (state != PlaybackProgress::State::Playing)
            loop.quit();
    };
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    // Connected to this phrase's loop only: it goes with the loop.
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State streamState) {
        qCDebug(lcSpeech) << "sound stream" << streamState << sink.error() << "after" << clock.elapsed() << "ms";
        if (streamState == QAudio::IdleState) {
            allWritten = true; // the server holds every sample; wait for it to play them
            check();
        } else if (streamState == QAudio::StoppedState) {
            failed = sink.error() != QAudio::NoError;
            loop.quit();
        }
    });

    sinceStart.start();
    poll.start(pollInterval);
    sink.start(&source);
    if (sink.state() == QAudio::StoppedState) // a quit() before exec() would be lost
        return fail(QStringLiteral("the sound stream could not be opened"));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    sink.stop();

    if (failed)
        return fail(QStringLiteral("the sound stream failed"));
    if (state != PlaybackProgress::State::Played)
        return fail(QStringLiteral("the sound stream stopped moving for %1 ms").arg(m_stallLimit.count()));
    return Done{};
}

extern "C" Q_DECL_EXPORT AudioOutput *pomwitNewAudioOutput()
{
    return new SystemAudioOutput;
}
