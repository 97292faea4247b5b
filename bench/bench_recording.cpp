// How soon a card's recording is heard on the right key, beside its
// synthesised phrase, and what 26 recorded cards played cost in memory
// beside 26 synthesised ones. The card session decides and decodes as in the
// program; the sound goes to a private null sink whose monitor is recorded,
// and the time runs from the right key (the session's say) to the first
// sound there. The recordings are the default voice's own phrases, encoded
// as a grown-up's would be, so that both kinds are alike in length.
//
// Memory: each kind in a child process of its own (this program with
// --play=recorded|synthesised FOLDER), its resident size after 26 cards.

#include "benchreport.h"
#include "cardtable.h"
#include "monitorrecorder.h"
#include "soundmodule.h"

#include "play/cardsession.h"
#include "play/drawsequence.h"
#include "speech/phrasepatterns.h"
#include "speech/phraseplayer.h"
#include "speech/recordingcodec.h"
#include "speech/speakingvoice.h"
#include "speech/voices.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QStringList cardWords()
{
    QFile file(QStringLiteral(POMWIT_CARDS_TSV));
    QStringList words;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                words.append(line.section(QLatin1Char('\t'), 0, 0));
        }
    }
    return words;
}

// A card set of the words; with recordings, each the default voice's phrase.
bool writeCardSet(const QString &folder, const QStringList &words, bool recorded)
{
    if (!QDir(folder).mkpath(QStringLiteral("pictures"))
        || !writeCardTable(folder + QStringLiteral("/pomwit.mdb"), int(words.size()),
                           [&words](int i) { return words[i].toUtf8(); }))
        return false;
    for (const QString &word : words) {
        const auto spoken = Voices::system()->synthesize(phrasePatterns::phrase(word, QStringLiteral("en")), -1, QString());
        const auto ogg = spoken ? RecordingCodec::instance().encode(
                             RecordedSound{withoutSilentEnds(spoken->synthesis.pcm, spoken->synthesis.sampleRate),
                                           spoken->synthesis.sampleRate})
                                : RecordingResult<QByteArray>(RecordingError{});
        QFile file(folder + QStringLiteral("/pictures/") + word + QStringLiteral(".ogg"));
        if (recorded && (!ogg || !file.open(QIODevice::WriteOnly) || file.write(*ogg) != ogg->size()))
            return false;
    }
    return true;
}

// The next card's phrase, said and played to its end.
void playNextCard(CardSession &session, const std::shared_ptr<PhrasePlayer> &player)
{
    const auto draw = session.nextCard();
    if (!draw || !draw->word)
        return;
    session.cardShown(*draw->word);
    session.say(session.phrase(*draw->word));
    while (player->isPlaying())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

std::unique_ptr<CardSession> session(const QString &folder, const std::shared_ptr<PhrasePlayer> &player)
{
    return std::make_unique<CardSession>(folder, player, nullptr, std::make_unique<RandomDraw>(std::function<double()>()));
}

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 3 && arguments[1].startsWith(QLatin1String("--play="))) {
        auto player = std::make_shared<PhrasePlayer>(makeSystemAudioOutput());
        const auto cards = session(arguments[2], player);
        for (int card = 0; card < 26; ++card)
            playNextCard(*cards, player);
        std::printf("%.2f\n", residentMiB());
        return 0;
    }
    const QStringList words = cardWords();
    QTemporaryDir folder;
    const QString recorded = folder.filePath(QStringLiteral("recorded")), plain = folder.filePath(QStringLiteral("plain"));
    const QString sink = folder.filePath(QStringLiteral("sink"));
    const QString script = QStringLiteral(POMWIT_SOURCE_DIR "/tools/null-sink.sh");
    if (words.size() != 26 || !writeCardSet(recorded, words, true) || !writeCardSet(plain, words, false)
        || QProcess::execute(script, {QStringLiteral("start"), sink}) != 0) {
        std::fprintf(stderr, "bench_recording: no card sets or no null sink (pulseaudio is needed)\n");
        return 1;
    }
    const QByteArray server = "unix:" + QFile::encodeName(sink) + "/native";
    qputenv("PULSE_SERVER", server);
    int status = 0;
    {
        MonitorRecorder monitor(server);
        auto player = std::make_shared<PhrasePlayer>(makeSystemAudioOutput());
        const auto recordedCards = session(recorded, player), plainCards = session(plain, player);
        std::vector<double> toRecording, toPhrase;
        // In turns, so that both meet the same load; the first of each opens the stream.
        for (int round = 0; monitor.ok() && round < 44; ++round) {
            CardSession &cards = round % 2 ? *plainCards : *recordedCards;
            const Clock::time_point keyed = Clock::now();
            playNextCard(cards, player);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            if (const MonitorRecorder::Heard heard = monitor.heardSince(keyed); heard.any && round >= 2)
                (round % 2 ? toPhrase : toRecording).push_back(ms(heard.first - keyed));
        }
        if (toRecording.size() < 15 || toPhrase.size() < 15) {
            std::fprintf(stderr, "bench_recording: too little was heard on the monitor\n");
            status = 1;
        } else {
            benchLine(QStringLiteral("recording_first_sound_median"), percentile(toRecording, 0.5),
                      percentile(toPhrase, 0.5), QStringLiteral("ms"));
            benchLine(QStringLiteral("recording_first_sound_p95"), percentile(toRecording, 0.95),
                      percentile(toPhrase, 0.95), QStringLiteral("ms"));
        }
    }
    // Both kinds at once: each child plays its 26 cards into the sink.
    QProcess recordedChild, plainChild;
    recordedChild.start(arguments[0], {QStringLiteral("--play=recorded"), recorded});
    plainChild.start(arguments[0], {QStringLiteral("--play=synthesised"), plain});
    const bool played = recordedChild.waitForFinished(180000) && plainChild.waitForFinished(180000);
    const double recordedMiB = recordedChild.readAllStandardOutput().trimmed().toDouble();
    const double plainMiB = plainChild.readAllStandardOutput().trimmed().toDouble();
    if (!played || recordedMiB <= 0 || plainMiB <= 0) {
        std::fprintf(stderr, "bench_recording: the memory could not be measured\n");
        status = 1;
    } else {
        benchLine(QStringLiteral("recording_rss_after_26_cards"), recordedMiB, plainMiB, QStringLiteral("MiB"));
    }
    QProcess::execute(script, {QStringLiteral("stop"), sink});
    return status;
}
