// The recording engine with real parts: the default microphone is the sink's
// monitor, so a known sound played into the sink while it records must be
// what it keeps: as long (within 100 ms) and alike (correlated). The kept
// Ogg is written for the play half of recordings.sh.
// Usage: record-take KEPT.ogg

#include "soundmodule.h"
#include "speech/phraseplayer.h"
#include "speech/recordingcodec.h"
#include "speech/voicerecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <cmath>
#include <cstdio>

namespace {

// Four tones of 250 ms, 440 to 1100 Hz: recordings.sh looks for them.
QByteArray knownSound(int rate)
{
    using testsupport::tone;
    return tone(250, rate, 9000, 440).pcm + tone(250, rate, 9000, 660).pcm + tone(250, rate, 9000, 880).pcm
        + tone(250, rate, 9000, 1100).pcm;
}

// The best normalized cross-correlation of b with a, over b's offsets.
double correlation(const QByteArray &a, const QByteArray &b)
{
    const auto *x = reinterpret_cast<const qint16 *>(a.constData());
    const auto *y = reinterpret_cast<const qint16 *>(b.constData());
    const qsizetype n = a.size() / 2, m = b.size() / 2;
    double best = 0, xx = 0;
    for (qsizetype i = 0; i < n; ++i)
        xx += double(x[i]) * x[i];
    for (qsizetype lag = 0; lag + n <= m; lag += 2) {
        double xy = 0, yy = 0;
        for (qsizetype i = 0; i < n; i += 4) {
            xy += double(x[i]) * y[lag + i];
            yy += double(y[lag + i]) * y[lag + i];
        }
        best = std::max(best, xy / std::sqrt(xx / 4 * yy + 1));
    }
    return best;
}

int fail(const char *why)
{
    std::fprintf(stderr, "record-take: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return fail("usage: record-take KEPT.ogg");
    auto player = std::make_shared<PhrasePlayer>(makeSystemAudioOutput());
    VoiceRecorder recorder(player);
    if (const auto ready = recorder.canRecord(); !ready)
        return fail(qPrintable(ready.error()));
    if (const auto started = recorder.start(); !started)
        return fail(qPrintable(started.error()));
    if (!QTest::qWaitFor([&] { return recorder.state() == VoiceRecorder::State::Recording; }, 10000))
        return fail("the tone did not end in a recording");
    QTest::qWait(300);
    const QByteArray known = knownSound(VoiceRecorder::sampleRate);
    auto output = makeSystemAudioOutput();
    if (const auto played = testsupport::playToTheEnd(*output, known, VoiceRecorder::sampleRate); !played)
        return fail(qPrintable(played.error().message));
    QTest::qWait(300);
    recorder.stop();
    const auto ogg = recorder.encode();
    if (!ogg)
        return fail(qPrintable(ogg.error().reason));
    const auto kept = RecordingCodec::instance().decode(*ogg);
    if (!kept)
        return fail(qPrintable(kept.error().reason));
    const double similar = correlation(known, kept->pcm);
    std::printf("record-take: kept %lld ms of a 1000 ms sound, correlation %.2f\n", kept->milliseconds(), similar);
    if (std::abs(kept->milliseconds() - 1000) > 100)
        return fail("the take is not as long as the sound");
    if (similar < 0.8)
        return fail("the take is not the sound");
    QFile file(QString::fromLocal8Bit(argv[1]));
    return file.open(QIODevice::WriteOnly) && file.write(*ogg) == ogg->size() ? 0 : fail("the take was not written");
}
