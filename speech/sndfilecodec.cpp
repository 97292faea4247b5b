#include "speech/sndfilecodec.h"

#include "base/recordinglimit.h"
#include "speech/speechlogging.h"

#include <QCoreApplication>
#include <QtEndian>

#include <ebur128.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using Kind = RecordingError::Kind;

// Why a recording is refused, in the user's language: the window shows it.
QString tr(const char *text)
{
    return QCoreApplication::translate("SndfileCodec", text);
}

RecordingError cutShort()
{
    return {Kind::CutShort, QCoreApplication::translate("SndfileCodec", "it is damaged or cut short")};
}

// libsndfile's virtual file over bytes in memory, for reading and writing.
struct MemoryFile
{
    QByteArray bytes;
    sf_count_t at = 0;

    static SF_VIRTUAL_IO io()
    {
        SF_VIRTUAL_IO io{};
        io.get_filelen = [](void *file) -> sf_count_t { return self(file).bytes.size(); };
        io.seek = [](sf_count_t offset, int whence, void *file) -> sf_count_t {
            MemoryFile &m = self(file);
            const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m.at : m.bytes.size();
            m.at = std::clamp<sf_count_t>(base + offset, 0, m.bytes.size());
            return m.at;
        };
        io.read = [](void *to, sf_count_t count, void *file) -> sf_count_t {
            MemoryFile &m = self(file);
            const sf_count_t n = std::clamp<sf_count_t>(m.bytes.size() - m.at, 0, count);
            std::copy_n(m.bytes.constData() + m.at, n, static_cast<char *>(to));
            m.at += n;
            return n;
        };
        io.write = [](const void *from, sf_count_t count, void *file) -> sf_count_t {
            MemoryFile &m = self(file);
            if (m.at + count > m.bytes.size())
                m.bytes.resize(m.at + count);
            std::copy_n(static_cast<const char *>(from), count, m.bytes.data() + m.at);
            m.at += count;
            return count;
        };
        io.tell = [](void *file) -> sf_count_t { return self(file).at; };
        return io;
    }

private:
    static MemoryFile &self(void *file) { return *static_cast<MemoryFile *>(file); }
};

using Sndfile = std::unique_ptr<SNDFILE, decltype(&sf_close)>;

// Sound formats a phone or another program may give that libsndfile does
// not read, by their first bytes.
QString unreadFormat(const QByteArray &head)
{
    if (head.mid(4, 4) == "ftyp")
        return QStringLiteral("M4A");
    if (head.startsWith("#!AMR"))
        return QStringLiteral("AMR");
    if (head.startsWith("\x30\x26\xb2\x75\x8e\x66\xcf\x11"))
        return QStringLiteral("WMA");
    return {};
}

// What the library reads without complaint but is not whole: a WAV whose
// header promises more than the file holds, an Ogg stream without its last
// page.
bool isCutShort(const QByteArray &file)
{
    if (file.startsWith("RIFF") && file.mid(8, 4) == "WAVE")
        return qint64(qFromLittleEndian<quint32>(file.constData() + 4)) + 8 > file.size();
    if (file.startsWith("OggS")) {
        // The last page: the stream's end, and as long as its header says.
        const qsizetype last = file.lastIndexOf("OggS");
        if (last + 27 > file.size() || !(quint8(file.at(last + 5)) & 0x04))
            return true;
        const qsizetype segments = quint8(file.at(last + 26));
        qsizetype length = 27 + segments;
        for (qsizetype i = 0; i < segments && last + 27 + i < file.size(); ++i)
            length += quint8(file.at(last + 27 + i));
        return last + length > file.size();
    }
    return false;
}

} // namespace

RecordingResult<RecordedSound> SndfileCodec::decode(const QByteArray &file)
{
    if (const QString format = unreadFormat(file.left(16)); !format.isEmpty())
        return RecordingError{Kind::FormatNotRead,
                              tr("it is an %1 file, a format Pomwit does not read").arg(format)};
    if (isCutShort(file))
        return cutShort();
    MemoryFile memory{file};
    SF_VIRTUAL_IO io = MemoryFile::io();
    SF_INFO info{};
    const Sndfile sound(sf_open_virtual(&io, SFM_READ, &info, &memory), sf_close);
    if (!sound) {
        switch (sf_error(nullptr)) {
        case SF_ERR_UNRECOGNISED_FORMAT:
            return RecordingError{Kind::NotAudio, tr("it is not a sound file")};
        case SF_ERR_MALFORMED_FILE:
            return cutShort();
        case SF_ERR_UNSUPPORTED_ENCODING:
            return RecordingError{Kind::FormatNotRead, tr("its sound is in a form Pomwit does not read")};
        default:
            return RecordingError{Kind::Failed, QString::fromUtf8(sf_strerror(nullptr))};
        }
    }
    if (info.samplerate <= 0 || info.channels <= 0)
        return RecordingError{Kind::NotAudio, tr("it is not a sound file")};
    const sf_count_t limit = sf_count_t(maxRecordingSeconds) * info.samplerate;
    const auto tooLong = [&info](sf_count_t frames) {
        return RecordingError{Kind::TooLong, tr("it is %1 seconds long, and a recording may be at most %2 seconds")
                                                 .arg(double(frames) / info.samplerate, 0, 'f', 1)
                                                 .arg(maxRecordingSeconds)};
    };
    // Told by the header where it can be: nothing need be decoded.
    if (info.frames > limit && info.frames != SF_COUNT_MAX)
        return tooLong(info.frames);
    RecordedSound decoded;
    decoded.sampleRate = info.samplerate;
    std::vector<float> frames(size_t(4096) * size_t(info.channels));
    std::vector<qint16> mono;
    for (;;) {
        const sf_count_t n = sf_readf_float(sound.get(), frames.data(), 4096);
        if (n <= 0)
            break;
        for (sf_count_t i = 0; i < n; ++i) {
            float sum = 0;
            for (int c = 0; c < info.channels; ++c)
                sum += frames[size_t(i * info.channels + c)];
            mono.push_back(qint16(std::lrint(std::clamp(sum / float(info.channels), -1.0f, 1.0f) * 32767.0f)));
        }
        // A header that does not tell the length (a FLAC may not) is no way
        // round the limit.
        if (sf_count_t(mono.size()) > limit)
            return RecordingError{Kind::TooLong, tr("it is longer than the %1 seconds a recording may last")
                                                     .arg(maxRecordingSeconds)};
    }
    // Decoding that stops early, or well before the length the header
    // gave, means that the rest is missing.
    if (sf_error(sound.get()) != SF_ERR_NO_ERROR
        || (info.frames != SF_COUNT_MAX && sf_count_t(mono.size()) < info.frames - info.samplerate / 20))
        return cutShort();
    if (mono.empty())
        return RecordingError{Kind::NotAudio, tr("it holds no sound")};
    decoded.pcm = QByteArray(reinterpret_cast<const char *>(mono.data()), qsizetype(mono.size() * sizeof(qint16)));
    return decoded;
}

std::optional<double> SndfileCodec::loudness(const RecordedSound &sound)
{
    if (sound.sampleRate <= 0 || sound.pcm.isEmpty())
        return std::nullopt;
    const std::unique_ptr<ebur128_state, void (*)(ebur128_state *)> meter(
        ebur128_init(1, unsigned(sound.sampleRate), EBUR128_MODE_I),
        [](ebur128_state *state) { ebur128_destroy(&state); });
    double lufs = -HUGE_VAL;
    if (!meter
        || ebur128_add_frames_short(meter.get(), reinterpret_cast<const short *>(sound.pcm.constData()),
                                    size_t(sound.pcm.size() / 2)) != EBUR128_SUCCESS
        || ebur128_loudness_global(meter.get(), &lufs) != EBUR128_SUCCESS || !std::isfinite(lufs))
        return std::nullopt;
    return lufs;
}

RecordingResult<QByteArray> SndfileCodec::encode(const RecordedSound &sound)
{
    if (sound.sampleRate <= 0 || sound.pcm.isEmpty())
        return RecordingError{Kind::NotAudio, tr("it holds no sound")};
    const auto *samples = reinterpret_cast<const qint16 *>(sound.pcm.constData());
    const qsizetype count = sound.pcm.size() / 2;
    // As loud as the synthesised phrases, as near as the peaks allow
    // without clipping (-1 dBFS).
    double gain = 1.0;
    if (const std::optional<double> measured = loudness(sound)) {
        int peak = 1;
        for (qsizetype i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        gain = std::min(std::pow(10.0, (targetLoudness - *measured) / 20.0), 0.891 * 32768.0 / peak);
    }
    std::vector<float> scaled(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        scaled[size_t(i)] = float(std::clamp(samples[i] / 32768.0 * gain, -1.0, 1.0));

    MemoryFile memory;
    SF_VIRTUAL_IO io = MemoryFile::io();
    SF_INFO info{};
    info.samplerate = sound.sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    {
        const Sndfile file(sf_open_virtual(&io, SFM_WRITE, &info, &memory), sf_close);
        if (!file)
            return RecordingError{Kind::Failed, QString::fromUtf8(sf_strerror(nullptr))};
        // Vorbis quality 6 of 10: clear speech at about 100 kbit/s.
        double quality = 0.6;
        sf_command(file.get(), SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
        if (sf_writef_float(file.get(), scaled.data(), count) != count)
            return RecordingError{Kind::Failed, QString::fromUtf8(sf_strerror(file.get()))};
    }
    qCDebug(lcSpeech) << "recording encoded:" << memory.bytes.size() << "bytes for" << sound.milliseconds() << "ms";
    return memory.bytes;
}

extern "C" Q_DECL_EXPORT RecordingCodec *pomwitRecordingCodec()
{
    static SndfileCodec codec;
    return &codec;
}
