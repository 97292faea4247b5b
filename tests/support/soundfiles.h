#pragma once

// Sound files in the formats a grown-up may bring, written by libsndfile.

#include "soundmodule.h"

#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <vector>

namespace testsupport {

// A tone at 48 kHz in the format, the same in every channel.
inline QByteArray soundFile(int format, int channels = 1, double seconds = 1)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("sound")));
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = channels;
    info.format = format;
    const RecordedSound sound = tone(int(seconds * 1000), info.samplerate);
    std::vector<short> frames(size_t(sound.pcm.size() / 2 * channels));
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i] = reinterpret_cast<const short *>(sound.pcm.constData())[i / size_t(channels)];
    if (SNDFILE *file = sf_open(path.constData(), SFM_WRITE, &info)) {
        sf_writef_short(file, frames.data(), sf_count_t(frames.size() / size_t(channels)));
        sf_close(file);
    }
    QFile written(QFile::decodeName(path));
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

constexpr int oggVorbis = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
constexpr int oggOpus = SF_FORMAT_OGG | SF_FORMAT_OPUS;

} // namespace testsupport
