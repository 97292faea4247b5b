#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Sound as the program plays and records it: 16-bit signed mono samples.
struct RecordedSound
{
    QByteArray pcm;
    int sampleRate = 0;

    qint64 milliseconds() const { return sampleRate > 0 ? qint64(pcm.size() / 2) * 1000 / sampleRate : 0; }
};

// Why a recording cannot be read or written; the reason is a clause that
// follows the file's name ("it is cut short").
struct RecordingError
{
    enum class Kind {
        NotAudio,
        FormatNotRead, // a sound format the library does not read, such as a phone's M4A
        CutShort,
        TooLong,
        Failed,
    };
    Kind kind = Kind::Failed;
    QString reason;
};

template <typename T>
using RecordingResult = Result<T, RecordingError>;

// Reads and writes recordings. It lives in the sound module, whose libraries
// (libsndfile and its codecs, libebur128) would otherwise load at start.
class RecordingCodec
{
public:
    // Through the sound module, loaded at first use.
    static RecordingCodec &instance();

    virtual ~RecordingCodec() = default;

    // An Ogg Vorbis, Opus, FLAC, WAV or MP3 file's sound, mixed down to mono;
    // refused when longer than 15 s, cut short, not sound, or in another format.
    virtual RecordingResult<RecordedSound> decode(const QByteArray &file) = 0;
    // Ogg Vorbis, brought to the synthesised phrases' loudness (as near as
    // its peaks allow).
    virtual RecordingResult<QByteArray> encode(const RecordedSound &sound) = 0;
    // EBU R128 integrated loudness in LUFS; none for a sound too short or too
    // quiet to measure.
    virtual std::optional<double> loudness(const RecordedSound &sound) = 0;

    // The loudness of the phrases in the default voice (the natural female
    // one), measured once over the 26 card words: -16.0 LUFS on average.
    static constexpr double targetLoudness = -16.0;
};
