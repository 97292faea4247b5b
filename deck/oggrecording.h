#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

// A recording as the card set's writer takes it from a grown-up's tool: an
// Ogg Vorbis or Opus stream, looked at page by page (framing, checksums, the
// codec and rate of the first packet, the last page's position) and never
// decoded, so that a writer running as root parses nothing complex.
class OggRecording
{
public:
    enum class Codec { Vorbis, Opus };

    // Far more than 15 s of speech takes in either codec.
    static constexpr qint64 maxBytes = 2 * 1024 * 1024;

    // Why the bytes are refused, as a clause ("it is cut short").
    static Result<OggRecording, QString> check(const QByteArray &bytes);

    Codec codec() const { return m_codec; }
    double seconds() const { return m_seconds; }

private:
    OggRecording() = default;

    Codec m_codec = Codec::Vorbis;
    double m_seconds = 0;
};
