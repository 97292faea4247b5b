// How well each voice is understood and what it costs. For every mode of the
// engine selector, and for the voice heard when no choice is made, the 26
// bundled card phrases go through the program's speaking voice at the card
// window's rate; the samples handed to the audio output are resampled to
// 16 kHz and given to a speech recogniser (pocketsphinx, open vocabulary),
// which counts the card words it hears. Beside that: the time from the speak
// call to the samples reaching the output, and the memory the engine adds to
// the started program. The baseline is espeak-ng's English language voice.
//
// Each voice runs in a child process of its own (this program with --voice=),
// so that its first phrase is the first after start-up and its memory is its own.

#include "benchreport.h"

#include "app/programwindows.h"
#include "app/startup.h"
#include "speech/audiooutput.h"
#include "speech/espeakengineselector.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"
#include "speech/speechsystem.h"
#include "speech/voicechoice.h"
#include "speech/voices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <numbers>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int cardWindowRate = -1;
constexpr int recogniserRate = 16000;

QStringList cardWords()
{
    QFile file(QStringLiteral(POMWIT_CARDS_TSV));
    QStringList words;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return words;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            words.append(line.section(QLatin1Char('\t'), 0, 0));
    }
    return words;
}

double statusMiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(field + ':')))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Keeps what would have been played and notes when it arrived.
class CapturingOutput : public AudioOutput
{
public:
    void start(const QByteArray &pcm16Mono, int sampleRate, Finished finished) override
    {
        handedAt = Clock::now();
        pcm = pcm16Mono;
        rate = sampleRate;
        finished(Done{}); // played in no time, so that the next phrase may start
    }
    void stop() override {}
    Clock::time_point handedAt;
    QByteArray pcm;
    int rate = 0;
};

// Windowed-sinc resampling, low-passed below the lower Nyquist frequency.
QByteArray resample(const QByteArray &pcm, int from, int to)
{
    const auto *in = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype inCount = pcm.size() / 2;
    if (from == to)
        return pcm;
    const double step = double(from) / to;
    const double cutoff = std::min(1.0, double(to) / from);
    constexpr int halfWidth = 16;
    const qsizetype outCount = qsizetype(double(inCount) / step);
    QByteArray out(outCount * 2, '\0');
    auto *samples = reinterpret_cast<qint16 *>(out.data());
    for (qsizetype n = 0; n < outCount; ++n) {
        const double x = double(n) * step;
        const qsizetype first = qsizetype(std::floor(x)) - halfWidth + 1;
        double sum = 0;
        for (qsizetype k = std::max<qsizetype>(0, first); k < std::min(inCount, first + 2 * halfWidth); ++k) {
            const double t = (x - double(k)) * cutoff;
            const double sinc = t == 0 ? 1.0 : std::sin(std::numbers::pi * t) / (std::numbers::pi * t);
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * (x - double(k)) / halfWidth);
            sum += in[k] * cutoff * sinc * window;
        }
        samples[n] = qint16(std::clamp(std::lround(sum), -32768L, 32767L));
    }
    return out;
}

bool writeWave(const QString &path, const QByteArray &pcm16k)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    const auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    const quint32 size = quint32(pcm16k.size());
    file.write("RIFF" + u32(36 + size) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(recogniserRate)
               + u32(recogniserRate * 2) + u16(2) + u16(16) + "data" + u32(size) + pcm16k);
    return true;
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// A bare Qt Widgets program: one window with a button.
int runBare()
{
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("&Begin"), &window);
    button->setGeometry(72, 64, 161, 57);
    window.resize(310, 190);
    window.show();
    settle(300);
    std::printf("peak %.3f\n", statusMiB("VmHWM"));
    return 0;
}

// The started program, then the card phrases in one voice.
int runVoice(QApplication &application, const QString &voice, const QString &folder)
{
    std::unique_ptr<ProgramWindows> forms = startProgram(application);
    settle(300);
    const double before = statusMiB("VmRSS");
    auto output = std::make_shared<CapturingOutput>();
    auto choice = std::make_shared<VoiceChoice>();
    choice->setVoice(voice);
    SpeakingVoice speaking(std::make_shared<PhrasePlayer>(output), choice);
    speaking.setRate(cardWindowRate);
    for (const QString &word : cardWords()) {
        const Clock::time_point called = Clock::now();
        output->rate = 0;
        const auto spoken = speaking.Speak(word.left(1) + QStringLiteral(" for ") + word);
        if (!spoken)
            std::fprintf(stderr, "%s: %s\n", qPrintable(word), qPrintable(spoken.error().message));
        if (output->rate <= 0)
            return 1;
        std::printf("latency %.3f\n", std::chrono::duration<double, std::milli>(output->handedAt - called).count());
        if (!writeWave(folder + QLatin1Char('/') + word + QStringLiteral(".wav"),
                       resample(output->pcm, output->rate, recogniserRate)))
            return 1;
    }
    std::printf("before %.3f\npeak %.3f\n", before, statusMiB("VmHWM"));
    std::fflush(stdout);
    forms.reset();
    return 0;
}

struct Measured
{
    bool ok = false;
    std::vector<double> latencies; // the first is the first phrase after start-up
    double before = 0;
    double peak = 0;
    int recognised = 0;
    QStringList heard;
};

QString readChild(const QStringList &arguments, bool *ok)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    *ok = child.waitForFinished(300000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (!*ok)
        std::fprintf(stderr, "%s", child.readAllStandardError().constData());
    return QString::fromUtf8(child.readAllStandardOutput());
}

bool heardWord(const QString &word, const QString &hypothesis)
{
    // "x ray" and "x-ray" both hear "xray".
    QString text = hypothesis.toLower();
    text.remove(QLatin1Char('-'));
    text.replace(QRegularExpression(QStringLiteral("[^a-z ]")), QStringLiteral(" "));
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        QString joined;
        for (qsizetype j = i; j < std::min(tokens.size(), i + 3); ++j) {
            joined += tokens.at(j);
            if (joined == word)
                return true;
        }
    }
    return false;
}

// pocketsphinx's batch decoder over the folder's waves, with its default
// English model and language model.
bool recognise(const QString &folder, const QStringList &words, Measured *measured)
{
    QFile list(folder + QStringLiteral("/files.ctl"));
    if (!list.open(QIODevice::WriteOnly))
        return false;
    list.write(words.join(QLatin1Char('\n')).toUtf8() + '\n');
    list.close();
    const QString hypotheses = folder + QStringLiteral("/heard.hyp");
    QProcess decoder;
    decoder.start(QStringLiteral("pocketsphinx_batch"),
                  {QStringLiteral("-adcin"), QStringLiteral("yes"), QStringLiteral("-adchdr"), QStringLiteral("44"),
                   QStringLiteral("-cepdir"), folder, QStringLiteral("-cepext"), QStringLiteral(".wav"),
                   QStringLiteral("-ctl"), list.fileName(), QStringLiteral("-hyp"), hypotheses,
                   QStringLiteral("-logfn"), QStringLiteral("/dev/null")});
    if (!decoder.waitForFinished(600000) || decoder.exitCode() != 0)
        return false;
    QFile heard(hypotheses);
    if (!heard.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Each line: "the words heard (file score)".
    for (const QString &line : QString::fromUtf8(heard.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype open = line.lastIndexOf(QLatin1Char('('));
        const QString word = line.mid(open + 1).section(QLatin1Char(' '), 0, 0);
        if (heardWord(word, line.left(open))) {
            ++measured->recognised;
            measured->heard.append(word);
        }
    }
    return true;
}

Measured measure(const QString &voice, const QStringList &words)
{
    Measured measured;
    QTemporaryDir folder;
    bool ok = false;
    const QString output = readChild({QStringLiteral("--voice=") + voice, QStringLiteral("--folder=") + folder.path()}, &ok);
    if (!ok)
        return measured;
    for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const double value = line.section(QLatin1Char(' '), 1, 1).toDouble();
        if (line.startsWith(QLatin1String("latency ")))
            measured.latencies.push_back(value);
        else if (line.startsWith(QLatin1String("before ")))
            measured.before = value;
        else if (line.startsWith(QLatin1String("peak ")))
            measured.peak = value;
    }
    measured.ok = measured.latencies.size() == size_t(words.size()) && recognise(folder.path(), words, &measured);
    return measured;
}

QString slug(const QString &voice)
{
    QString name = voice.isEmpty() ? QStringLiteral("default") : voice;
    return name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
}

struct Figures
{
    double median, p95, p95AfterFirst, first, added, peak;
};

Figures figuresOf(const Measured &m)
{
    const std::vector<double> afterFirst(m.latencies.begin() + 1, m.latencies.end());
    return {percentile(m.latencies, 0.5), percentile(m.latencies, 0.95), percentile(afterFirst, 0.95),
            m.latencies.front(), m.peak - m.before, m.peak};
}

void report(const QString &name, const Measured &m, const Measured &base, double barePeak)
{
    const Figures f = figuresOf(m);
    const Figures b = figuresOf(base);
    const QString prefix = QStringLiteral("voice_") + name + QLatin1Char('_');
    benchLine(prefix + QStringLiteral("recognised"), m.recognised, base.recognised, QStringLiteral("words_of_26"));
    benchLine(prefix + QStringLiteral("first_sample_median"), f.median, b.median, QStringLiteral("ms"));
    benchLine(prefix + QStringLiteral("first_sample_p95"), f.p95, b.p95, QStringLiteral("ms"));
    benchLine(prefix + QStringLiteral("first_sample_p95_after_first"), f.p95AfterFirst, b.p95AfterFirst,
              QStringLiteral("ms"));
    benchLine(prefix + QStringLiteral("first_phrase_first_sample"), f.first, b.first, QStringLiteral("ms"));
    benchLine(prefix + QStringLiteral("engine_rss_added"), f.added, b.added, QStringLiteral("MiB"));
    benchLine(prefix + QStringLiteral("peak_rss_vs_bare_qt"), f.peak, barePeak, QStringLiteral("MiB"));
    std::printf("heard: %s\n", qPrintable(m.heard.join(QLatin1Char(' '))));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.contains(QStringLiteral("--bare")))
        return runBare();
    const QString voiceArgument = arguments.filter(QRegularExpression(QStringLiteral("^--voice="))).value(0);
    if (!voiceArgument.isEmpty()) {
        const QString folder = arguments.filter(QRegularExpression(QStringLiteral("^--folder="))).value(0);
        return runVoice(application, voiceArgument.mid(8), folder.mid(9));
    }

    const QStringList words = cardWords();
    if (words.size() != 26) {
        std::fprintf(stderr, "bench_voice: %lld card words in %s\n", qint64(words.size()), POMWIT_CARDS_TSV);
        return 1;
    }
    bool ok = false;
    const double barePeak = readChild({QStringLiteral("--bare")}, &ok).section(QLatin1Char(' '), 1).toDouble();
    const QString baselineVoice = SpeechSystem::instance().languageVoice();
    const Measured base = measure(baselineVoice, words);
    if (!ok || !base.ok) {
        std::fprintf(stderr, "bench_voice: the baseline could not be measured (is pocketsphinx installed?)\n");
        return 1;
    }
    std::printf("baseline: espeak-ng's language voice %s; bare Qt peak %.1f MiB\n", qPrintable(baselineVoice), barePeak);
    report(QStringLiteral("baseline_") + slug(baselineVoice), base, base, barePeak);

    // The voice heard with no choice made, which is the options window's lookup.
    const Measured chosenByDefault = measure(QString(), words);
    EspeakEngineSelector selector(std::make_shared<VoiceChoice>());
    const qint32 lookedUp = selector.Find(QStringLiteral("Mfg=Microsoft;Gender=1")).value();
    std::printf("\ndefault: no choice made; the lookup's mode is %d, %s\n", lookedUp,
                qPrintable(selector.ModeName(lookedUp).value()));
    if (chosenByDefault.ok)
        report(QStringLiteral("default"), chosenByDefault, base, barePeak);

    const VoiceCatalog &catalog = Voices::system()->catalog();
    for (qint32 mode = 1; mode <= catalog.count(); ++mode) {
        const QString voice = catalog.mode(mode)->voice;
        std::printf("\nmode %d: %s (%s)\n", mode, qPrintable(catalog.mode(mode)->name), qPrintable(voice));
        const Measured m = measure(voice, words);
        if (m.ok)
            report(slug(voice), m, base, barePeak);
        else
            std::printf("not measured\n");
    }

    if (!chosenByDefault.ok)
        return 1;
    const Figures f = figuresOf(chosenByDefault);
    const int floor = std::max(1, base.recognised);
    const auto verdict = [](bool met) { return met ? "met" : "NOT met"; };
    std::printf("\ngoals for the default voice:\n");
    std::printf("  recognised %d of 26 >= 10: %s\n", chosenByDefault.recognised, verdict(chosenByDefault.recognised >= 10));
    std::printf("  recognised %d >= 8 x baseline %d: %s\n", chosenByDefault.recognised, floor,
                verdict(chosenByDefault.recognised >= 8 * floor));
    std::printf("  first sample p95 after the first phrase %.1f ms <= 150: %s\n", f.p95AfterFirst,
                verdict(f.p95AfterFirst <= 150));
    std::printf("  first phrase %.1f ms <= 1000: %s\n", f.first, verdict(f.first <= 1000));
    std::printf("  peak RSS %.1f MiB <= 2 x bare Qt %.1f MiB: %s\n", f.peak, barePeak, verdict(f.peak <= 2 * barePeak));
    return 0;
}
