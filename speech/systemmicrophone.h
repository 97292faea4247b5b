#pragma once

#include "speech/microphone.h"

#include <QByteArray>
#include <QObject>

#include <map>
#include <memory>

class QAudioSource;
class QIODevice;

// The desktop's default microphone through Qt Multimedia.
class SystemMicrophone final : public Microphone
{
public:
    SystemMicrophone();
    ~SystemMicrophone() override;

    Result<Done, QString> available() override;
    Result<Done, QString> open(int sampleRate, Samples samples, Failed failed) override;
    void close() override;

private:
    // One source per device and rate, kept for the run and stopped when
    // closed, as the sound output keeps its streams: the sound server's
    // thread may still report on a stream just closed.
    std::map<std::pair<QByteArray, int>, std::unique_ptr<QAudioSource>> m_sources;
    QAudioSource *m_source = nullptr;
    QIODevice *m_device = nullptr;
    QByteArray m_half; // the first byte of a sample split between two pieces
    QObject m_context; // this recording's connections; reset when it ends
};
