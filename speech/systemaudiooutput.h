#pragma once

#include "speech/audiooutput.h"
#include "speech/playbackprogress.h"

#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <map>
#include <memory>
#include <optional>

class QAudioSink;

// Plays speech through the desktop's sound server. A phrase ends when the
// stream's position reaches its last sample. A phrase may end late on a busy
// machine; only a stream that fails or whose position stops moving for the
// stall limit is a failure.
class SystemAudioOutput : public AudioOutput
{
public:
    explicit SystemAudioOutput(std::chrono::milliseconds stallLimit = std::chrono::milliseconds(2000));
    ~SystemAudioOutput() override;

    void start(const QByteArray &pcm16Mono, int sampleRate, Finished finished) override;
    void stop() override;

private:
    void check();
    void end(const SpeechResult<> &result);
    void endLater(const SpeechResult<> &result);

    std::chrono::milliseconds m_stallLimit;
    // One stream per sample rate and device, kept for the run: the sound
    // server's thread may still report on a stream just closed, and a
    // stream destroyed after each phrase was found (by mashing keys in full
    // screen) to be reported on after it was gone.
    struct Stream
    {
        QByteArray device;
        std::unique_ptr<QAudioSink> sink;
    };
    std::map<int, Stream> m_streams;

    // The phrase under way.
    QObject m_context; // owns this phrase's connections; reset when it ends
    QAudioSink *m_sink = nullptr;
    QBuffer m_source;
    QTimer m_poll;
    QElapsedTimer m_sinceStart;
    std::optional<PlaybackProgress> m_progress;
    bool m_allWritten = false;
    Finished m_finished;
    quint64 m_phrase = 0; // an end told later belongs to this phrase only
};
