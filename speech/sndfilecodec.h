#pragma once

#include "speech/recordingcodec.h"

// The sound module's recordings: read and written with libsndfile, loudness
// measured with libebur128.
class SndfileCodec final : public RecordingCodec
{
public:
    RecordingResult<RecordedSound> decode(const QByteArray &file) override;
    RecordingResult<QByteArray> encode(const RecordedSound &sound) override;
    std::optional<double> loudness(const RecordedSound &sound) override;
};
