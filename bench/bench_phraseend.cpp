// How soon a phrase ends once it has been heard: the program's phrase path
// (voice, player, the sound module's output) on a private null sink, its
// monitor recorded. The time from the last sound on the monitor to the
// phrase's end, beside the time the first sound takes to reach the monitor.

#include "benchreport.h"
#include "monitorrecorder.h"
#include "soundmodule.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <thread>
#include <vector>

namespace {

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString sink = folder.filePath(QStringLiteral("sink"));
    const QString script = QStringLiteral(POMWIT_SOURCE_DIR "/tools/null-sink.sh");
    if (QProcess::execute(script, {QStringLiteral("start"), sink}) != 0) {
        std::fprintf(stderr, "bench_phraseend: no null sink (pulseaudio is needed)\n");
        return 1;
    }
    const QByteArray server = "unix:" + QFile::encodeName(sink) + "/native";
    qputenv("PULSE_SERVER", server);
    int status = 0;
    {
        MonitorRecorder monitor(server);
        auto player = std::make_shared<PhrasePlayer>(makeSystemAudioOutput());
        SpeakingVoice voice(player, nullptr);
        voice.setRate(-1);
        Clock::time_point ended;
        QObject::connect(player.get(), &PhrasePlayer::finished, player.get(), [&ended] { ended = Clock::now(); });
        std::vector<double> afterEnd, toFirstSound;
        const QStringList phrases{QStringLiteral("a for apple"), QStringLiteral("b for ball"), QStringLiteral("x for xylophone")};
        for (int round = 0; monitor.ok() && round < 30; ++round) {
            const Clock::time_point started = Clock::now();
            if (!voice.Speak(phrases[round % phrases.size()])) {
                status = 1;
                break;
            }
            while (player->isPlaying())
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
            // Whatever still comes out after the end would show here.
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            const MonitorRecorder::Heard heard = monitor.heardSince(started);
            if (round == 0 || !heard.any) // the first loads the voice and opens the stream
                continue;
            afterEnd.push_back(ms(ended - heard.last));
            toFirstSound.push_back(ms(heard.first - started));
        }
        if (!monitor.ok() || afterEnd.empty()) {
            std::fprintf(stderr, "bench_phraseend: nothing was heard on the monitor\n");
            status = 1;
        } else {
            const double median = percentile(afterEnd, 0.5), p95 = percentile(afterEnd, 0.95);
            benchLine(QStringLiteral("phrase_end_after_last_sound_median"), median, percentile(toFirstSound, 0.5),
                      QStringLiteral("ms"));
            benchLine(QStringLiteral("phrase_end_after_last_sound_p95"), p95, percentile(toFirstSound, 0.95),
                      QStringLiteral("ms"));
            std::printf("goal: the end %.1f ms (p95 %.1f ms) after the last sound, under 300 ms: %s\n", median, p95,
                        p95 < 300 ? "met" : "NOT met");
        }
    }
    QProcess::execute(script, {QStringLiteral("stop"), sink});
    return status;
}
