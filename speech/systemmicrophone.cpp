#include "speech/systemmicrophone.h"

#include "speech/soundserver.h"
#include "speech/speechlogging.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>

namespace {
constexpr std::chrono::milliseconds serverTimeout(500);
}

SystemMicrophone::SystemMicrophone() = default;

SystemMicrophone::~SystemMicrophone()
{
    close();
}

Result<Done, QString> SystemMicrophone::available()
{
    if (const auto answered = soundServerAnswers(serverTimeout); !answered) {
        qCWarning(lcSpeech).noquote() << "no microphone:" << answered.error();
        return noMicrophoneMessage();
    }
    if (QMediaDevices::defaultAudioInput().isNull())
        return noMicrophoneMessage();
    return Done{};
}

Result<Done, QString> SystemMicrophone::open(int sampleRate, Samples samples, Failed failed)
{
    close();
    if (auto there = available(); !there)
        return there;
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return QCoreApplication::translate("Speech", "The microphone does not record 16-bit sound: choose another one "
                                                     "in the sound settings.");
    std::unique_ptr<QAudioSource> &source = m_sources[{device.id(), sampleRate}];
    if (!source)
        source = std::make_unique<QAudioSource>(device, format);
    m_source = source.get();
    // Short pieces, so that the level meter follows the voice.
    m_source->setBufferSize(format.bytesForDuration(50000));
    m_device = m_source->start();
    if (!m_device || m_source->state() == QAudio::StoppedState) {
        close();
        return noMicrophoneMessage();
    }
    QObject::connect(m_device, &QIODevice::readyRead, &m_context, [this, samples] {
        QByteArray pcm = std::exchange(m_half, {}) + m_device->readAll();
        // Whole samples only; a half one waits for the next piece.
        if (pcm.size() % 2) {
            m_half = pcm.right(1);
            pcm.chop(1);
        }
        if (!pcm.isEmpty())
            samples(pcm);
    });
    QObject::connect(m_source, &QAudioSource::stateChanged, &m_context, [this, failed](QAudio::State state) {
        if (state == QAudio::StoppedState && m_source->error() != QAudio::NoError) {
            qCWarning(lcSpeech) << "the microphone stopped:" << m_source->error();
            close();
            failed(noMicrophoneMessage());
        }
    });
    qCDebug(lcSpeech) << "microphone open:" << device.description() << sampleRate << "Hz";
    return Done{};
}

void SystemMicrophone::close()
{
    if (!m_source)
        return;
    QObject::disconnect(m_source, nullptr, &m_context, nullptr);
    if (m_device)
        QObject::disconnect(m_device, nullptr, &m_context, nullptr);
    m_source->stop();
    m_half.clear();
    m_source = nullptr;
    m_device = nullptr;
}

extern "C" Q_DECL_EXPORT Microphone *pomwitNewMicrophone()
{
    return new SystemMicrophone;
}
