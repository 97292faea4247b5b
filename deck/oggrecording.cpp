#include "deck/oggrecording.h"

#include "base/recordinglimit.h"

#include <QCoreApplication>
#include <QtEndian>

#include <array>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("OggRecording", text);
}

constexpr qsizetype pageHeaderBytes = 27;
constexpr quint8 firstPage = 0x02;
constexpr quint8 lastPage = 0x04;

// The page checksum: CRC-32 with the polynomial 0x04c11db7, unreflected,
// over the page with its checksum field zeroed.
quint32 pageChecksum(QByteArrayView page)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    quint32 crc = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        const quint8 byte = (i >= 22 && i < 26) ? 0 : quint8(page[i]);
        crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xff];
    }
    return crc;
}

} // namespace

Result<OggRecording, QString> OggRecording::check(const QByteArray &bytes)
{
    if (bytes.size() > maxBytes)
        return tr("it is larger than %1 MB").arg(maxBytes / (1024 * 1024));
    if (!bytes.startsWith("OggS"))
        return tr("it is not an Ogg Vorbis or Opus file");
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    OggRecording recording;
    quint32 serial = 0;
    quint32 sequence = 0;
    qint64 granule = 0;
    quint8 flags = 0;
    quint64 rate = 0;
    qint64 preSkip = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        if (bytes.size() - at < pageHeaderBytes)
            return tr("it is cut short");
        if (bytes.mid(at, 4) != "OggS" || data[at + 4] != 0)
            return tr("it is damaged");
        const qsizetype segments = data[at + 26];
        if (bytes.size() - at < pageHeaderBytes + segments)
            return tr("it is cut short");
        qsizetype body = 0;
        for (qsizetype i = 0; i < segments; ++i)
            body += data[at + pageHeaderBytes + i];
        const qsizetype length = pageHeaderBytes + segments + body;
        if (bytes.size() - at < length)
            return tr("it is cut short");
        const QByteArrayView page(bytes.constData() + at, length);
        if (pageChecksum(page) != qFromLittleEndian<quint32>(data + at + 22))
            return tr("it is damaged");
        flags = data[at + 5];
        const quint32 pageSerial = qFromLittleEndian<quint32>(data + at + 14);
        const quint32 pageSequence = qFromLittleEndian<quint32>(data + at + 18);
        if (at == 0) {
            const QByteArrayView packet = page.sliced(pageHeaderBytes + segments);
            if (!(flags & firstPage))
                return tr("it is damaged");
            if (packet.size() >= 16 && packet.startsWith("\x01vorbis")) {
                rate = qFromLittleEndian<quint32>(packet.data() + 12);
            } else if (packet.size() >= 16 && packet.startsWith("OpusHead")) {
                recording.m_codec = Codec::Opus;
                rate = 48000; // Opus positions count at 48 kHz whatever the input's rate
                preSkip = qFromLittleEndian<quint16>(packet.data() + 10);
            } else {
                return tr("it is neither Vorbis nor Opus");
            }
            if (rate == 0)
                return tr("it is damaged");
            serial = pageSerial;
        } else if (pageSerial != serial || (flags & firstPage)) {
            return tr("it holds more than one stream");
        } else if (pageSequence != sequence + 1) {
            return tr("it is damaged");
        }
        sequence = pageSequence;
        // -1 marks a page on which no packet ends.
        if (const qint64 position = qFromLittleEndian<qint64>(data + at + 6); position != -1)
            granule = position;
        at += length;
        if ((flags & lastPage) && at != bytes.size())
            return tr("it holds more than one stream");
    }
    if (!(flags & lastPage))
        return tr("it is cut short");
    recording.m_seconds = double(qMax<qint64>(0, granule - preSkip)) / double(rate);
    if (recording.m_seconds > maxRecordingSeconds)
        return tr("it is %1 seconds long, and a recording may be at most %2 seconds")
            .arg(recording.m_seconds, 0, 'f', 1)
            .arg(maxRecordingSeconds);
    return recording;
}
