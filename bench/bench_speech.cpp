// How soon a phrase's first sound reaches the audio output, beside the
// engine's own first sample for the same phrase and voice.

#include "benchreport.h"
#include "speech/audiooutput.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"
#include "speech/speechsystem.h"

#include <QCoreApplication>

#include <espeak-ng/speak_lib.h>

#include <chrono>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Notes when the samples arrive and plays nothing.
class TimingOutput : public AudioOutput
{
public:
    void start(const QByteArray &, int, Finished finished) override
    {
        handedAt = Clock::now();
        finished(Done{}); // played in no time, so that the next phrase may start
    }
    void stop() override {}
    Clock::time_point handedAt;
};

struct Baseline
{
    Clock::time_point start;
    Clock::time_point firstSample;
    bool sampled = false;
};

int baselineCallback(short *samples, int count, espeak_EVENT *events)
{
    auto *baseline = static_cast<Baseline *>(events->user_data);
    if (samples && count > 0 && !baseline->sampled) {
        baseline->firstSample = Clock::now();
        baseline->sampled = true;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString phrase = QStringLiteral("a for apple");
    const QByteArray plain = phrase.toUtf8();
    constexpr int rounds = 300;
    constexpr int rateMinusOne = 157; // words a minute at rate -1

    auto output = std::make_shared<TimingOutput>();
    SpeakingVoice voice(std::make_shared<PhrasePlayer>(output), nullptr);
    voice.setRate(-1);
    if (const auto first = voice.Speak(phrase); !first) { // loads the engine and the voice
        std::fprintf(stderr, "speech does not work here: %s\n", qPrintable(first.error().message));
        return 1;
    }
    SpeechSystem &speech = SpeechSystem::instance();

    std::vector<double> firstFrame, synthesis, baselineFirst, baselineTotal;
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point spoken = Clock::now();
        voice.setRate(-1);
        voice.Speak(phrase);
        firstFrame.push_back(std::chrono::duration<double, std::milli>(output->handedAt - spoken).count());

        const Clock::time_point synthesised = Clock::now();
        speech.synthesize(phrase, false, rateMinusOne, QString());
        synthesis.push_back(millisecondsSince(synthesised));

        // The engine alone: same voice (already loaded), same rate, plain text.
        Baseline baseline;
        espeak_SetSynthCallback(baselineCallback);
        espeak_SetParameter(espeakRATE, rateMinusOne, 0);
        baseline.start = Clock::now();
        espeak_Synth(plain.constData(), size_t(plain.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &baseline);
        baselineTotal.push_back(millisecondsSince(baseline.start));
        baselineFirst.push_back(std::chrono::duration<double, std::milli>(baseline.firstSample - baseline.start).count());
    }

    const double first = percentile(firstFrame, 0.5);
    const double engineFirst = percentile(baselineFirst, 0.5);
    benchLine(QStringLiteral("speech_first_frame_median"), first, engineFirst, QStringLiteral("ms"));
    benchLine(QStringLiteral("speech_first_frame_p95"), percentile(firstFrame, 0.95), percentile(baselineFirst, 0.95),
              QStringLiteral("ms"));
    benchLine(QStringLiteral("speech_synthesis_median"), percentile(synthesis, 0.5), percentile(baselineTotal, 0.5),
              QStringLiteral("ms"));
    const double goal = 1.5 * engineFirst + 2.0;
    std::printf("goal: first frame %.4f ms <= 1.5 x %.4f + 2 = %.4f ms: %s\n", first, engineFirst, goal,
                first <= goal ? "met" : "NOT met");
    return 0;
}
