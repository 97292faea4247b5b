#include "speech/systemaudiooutput.h"

#include "speech/soundserver.h"
#include "speech/speechlogging.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {
constexpr std::chrono::milliseconds bufferDuration(200);
constexpr std::chrono::milliseconds serverTimeout(500);
constexpr std::chrono::milliseconds pollInterval(20);
}

SystemAudioOutput::SystemAudioOutput(std::chrono::milliseconds stallLimit)
    : m_stallLimit(stallLimit)
{
    m_poll.setInterval(pollInterval);
    QObject::connect(&m_poll, &QTimer::timeout, &m_context, [this] { check(); });
}

SystemAudioOutput::~SystemAudioOutput()
{
    stop();
}

void SystemAudioOutput::start(const QByteArray &pcm16Mono, int sampleRate, Finished finished)
{
    stop();
    m_finished = std::move(finished);
    const auto fail = [this](const QString &reason) {
        qCWarning(lcSpeech).noquote() << "no sound:" << reason;
        endLater(noSound());
    };
    if (pcm16Mono.isEmpty())
        return endLater(Done{});
    if (sampleRate <= 0)
        return fail(QStringLiteral("no sample rate"));
    if (const auto answered = soundServerAnswers(serverTimeout); !answered)
        return fail(answered.error());
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return fail(QStringLiteral("no audio output device"));
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return fail(QStringLiteral("the output device does not take 16-bit mono"));

    // A short buffer keeps the stream close to real time, so that the end is
    // told when the phrase has been heard. The server starts a stream only
    // once its buffer is full: pad a very short phrase with silence.
    const qsizetype bufferBytes = format.bytesForDuration(bufferDuration.count() * 1000);
    QByteArray samples = pcm16Mono;
    if (samples.size() < 2 * bufferBytes)
        samples.append(QByteArray(2 * bufferBytes - samples.size(), '\0'));
    m_source.close();
    m_source.setData(samples);
    m_source.open(QIODevice::ReadOnly);
    Stream &stream = m_streams[sampleRate];
    if (!stream.sink || stream.device != device.id()) {
        stream.device = device.id();
        stream.sink = std::make_unique<QAudioSink>(device, format);
    }
    m_sink = stream.sink.get();
    m_sink->setBufferSize(bufferBytes);

    const std::chrono::microseconds length(qint64(samples.size() / 2) * 1000000 / sampleRate);
    m_progress.emplace(length, m_stallLimit);
    m_allWritten = false;
    QObject::connect(m_sink, &QAudioSink::stateChanged, &m_context, [this](QAudio::State state) {
        qCDebug(lcSpeech) << "sound stream" << state << m_sink->error() << "after" << m_sinceStart.elapsed() << "ms";
        if (state == QAudio::IdleState) {
            m_allWritten = true; // the server holds every sample; wait for it to play them
            check();
        } else if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
            qCWarning(lcSpeech).noquote() << "no sound: the sound stream failed";
            end(noSound());
        }
    });
    m_sinceStart.start();
    m_poll.start();
    m_sink->start(&m_source);
    if (m_sink->state() == QAudio::StoppedState)
        fail(QStringLiteral("the sound stream could not be opened"));
}

void SystemAudioOutput::check()
{
    if (!m_sink || !m_progress)
        return;
    const auto state = m_progress->update(std::chrono::milliseconds(m_sinceStart.elapsed()),
                                          std::chrono::microseconds(m_sink->processedUSecs()), m_allWritten);
    if (state == PlaybackProgress::State::Played) {
        end(Done{});
    } else if (state == PlaybackProgress::State::Stalled) {
        qCWarning(lcSpeech).noquote() << "no sound: the sound stream stopped moving for" << m_stallLimit.count() << "ms";
        end(noSound());
    }
}

void SystemAudioOutput::stop()
{
    m_poll.stop();
    // This phrase's connections (and any end told later) go with it.
    ++m_phrase;
    if (m_sink) {
        QObject::disconnect(m_sink, nullptr, &m_context, nullptr);
        if (m_sink->state() != QAudio::StoppedState)
            m_sink->stop();
    }
    m_sink = nullptr;
    m_progress.reset();
    m_finished = nullptr;
}

void SystemAudioOutput::end(const SpeechResult<> &result)
{
    Finished finished = std::move(m_finished);
    stop();
    if (finished)
        finished(result);
}

void SystemAudioOutput::endLater(const SpeechResult<> &result)
{
    // From the event loop, as the end of a played phrase comes.
    QTimer::singleShot(0, &m_context, [this, result, phrase = m_phrase] {
        if (phrase == m_phrase)
            end(result);
    });
}

extern "C" Q_DECL_EXPORT AudioOutput *pomwitNewAudioOutput()
{
    return new SystemAudioOutput;
}
