#include "speech/voicerecorder.h"

#include "speech/phraseplayer.h"
#include "speech/speechlogging.h"

#include <cmath>

namespace {

// The start signal: 150 ms at 880 Hz, faded in and out so that it does not click.
QByteArray tone(int rate)
{
    const int count = rate * 15 / 100;
    const int fade = rate / 100;
    QByteArray pcm(count * 2, Qt::Uninitialized);
    auto *samples = reinterpret_cast<qint16 *>(pcm.data());
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        samples[i] = qint16(std::lrint(10000.0 * envelope * std::sin(2 * M_PI * 880.0 * i / rate)));
    }
    return pcm;
}

} // namespace

VoiceRecorder::VoiceRecorder(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<Microphone> microphone,
                             std::chrono::milliseconds limit, QObject *parent)
    : QObject(parent)
    , m_player(std::move(player))
    , m_microphone(std::move(microphone))
    , m_limit(limit)
{
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &VoiceRecorder::tick);
    if (m_player)
        connect(m_player.get(), &PhrasePlayer::finished, this, &VoiceRecorder::toneEnded);
}

VoiceRecorder::~VoiceRecorder()
{
    if (m_state == State::Tone && m_player)
        m_player->stop();
    m_microphone->close();
}

Result<Done, QString> VoiceRecorder::canRecord()
{
    return m_microphone->available();
}

Result<Done, QString> VoiceRecorder::start()
{
    if (m_state == State::Tone || m_state == State::Recording)
        return tr("A recording is already under way.");
    if (auto there = canRecord(); !there)
        return there;
    if (!m_player || !m_player->play(tone(sampleRate), sampleRate))
        return tr("Wait until the sound that is playing has ended, then record.");
    m_take = {};
    setState(State::Tone);
    return Done{};
}

void VoiceRecorder::toneEnded(const SpeechResult<> &result)
{
    if (m_state != State::Tone)
        return;
    if (!result && result.error().kind == SpeechError::Kind::Stopped)
        return setState(State::Idle);
    // The tone's echo and the microphone's start are not kept.
    m_pcm.clear();
    m_skip = sampleRate / 10 * 2;
    m_level = 0;
    const auto opened = m_microphone->open(sampleRate, [this](const QByteArray &pcm) { heard(pcm); },
                                           [this](const QString &message) {
                                               m_ticker.stop();
                                               setState(State::Idle);
                                               emit failed(message);
                                           });
    if (!opened) {
        setState(State::Idle);
        emit failed(opened.error());
        return;
    }
    m_clock.start();
    m_secondsLeft = int((m_limit.count() + 999) / 1000);
    m_ticker.start();
    setState(State::Recording);
    emit secondsLeftChanged(m_secondsLeft);
}

void VoiceRecorder::heard(const QByteArray &pcm)
{
    if (m_state != State::Recording)
        return;
    const qsizetype skipped = std::min(m_skip, pcm.size());
    m_skip -= skipped;
    const qsizetype room = qsizetype(m_limit.count()) * sampleRate / 1000 * 2 - m_pcm.size();
    const QByteArray piece = pcm.mid(skipped, std::max<qsizetype>(0, room));
    m_pcm.append(piece);
    int peak = 0;
    const auto *samples = reinterpret_cast<const qint16 *>(piece.constData());
    for (qsizetype i = 0; i < piece.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    m_level = peak / 32768.0;
    emit levelChanged(m_level);
    if (piece.size() >= room)
        stop();
}

void VoiceRecorder::tick()
{
    const qint64 left = m_limit.count() - m_clock.elapsed();
    if (left <= 0)
        return stop();
    if (const int seconds = int((left + 999) / 1000); seconds != m_secondsLeft) {
        m_secondsLeft = seconds;
        emit secondsLeftChanged(seconds);
    }
}

QString VoiceRecorder::timeLeftText() const
{
    return m_secondsLeft == 1 ? tr("1 second left") : tr("%1 seconds left").arg(m_secondsLeft);
}

void VoiceRecorder::stop()
{
    if (m_state == State::Tone) {
        m_player->stop();
        return;
    }
    if (m_state != State::Recording)
        return;
    m_microphone->close();
    m_ticker.stop();
    m_level = 0;
    emit levelChanged(0);
    m_take = {withoutQuietEnds(std::exchange(m_pcm, {}), sampleRate), sampleRate};
    qCInfo(lcSpeech) << "recorded" << m_take.milliseconds() << "ms";
    if (m_take.pcm.isEmpty()) {
        setState(State::Idle);
        emit failed(tr("Nothing was heard: check that the microphone is on and not muted, then record again."));
        return;
    }
    setState(State::Recorded);
}

void VoiceRecorder::discard()
{
    if (m_state == State::Tone)
        m_player->stop();
    m_microphone->close();
    m_ticker.stop();
    m_pcm.clear();
    m_take = {};
    setState(State::Idle);
}

Result<Done, QString> VoiceRecorder::listen()
{
    if (m_state != State::Recorded)
        return tr("There is nothing recorded to listen to.");
    if (!m_player->play(m_take.pcm, m_take.sampleRate))
        return tr("Wait until the sound that is playing has ended, then listen.");
    return Done{};
}

RecordingResult<QByteArray> VoiceRecorder::encode() const
{
    if (m_state != State::Recorded)
        return RecordingError{RecordingError::Kind::NotAudio, tr("nothing has been recorded")};
    return RecordingCodec::instance().encode(m_take);
}

void VoiceRecorder::setState(State state)
{
    if (std::exchange(m_state, state) != state)
        emit stateChanged(state);
}

QByteArray withoutQuietEnds(const QByteArray &pcm16Mono, int sampleRate)
{
    // Loudness in windows of 10 ms; quiet is 30 dB below the loudest
    // window, and a take whose loudest window is quieter than -50 dBFS holds
    // nothing heard.
    const auto *samples = reinterpret_cast<const qint16 *>(pcm16Mono.constData());
    const qsizetype window = std::max(1, sampleRate / 100);
    const qsizetype windows = pcm16Mono.size() / 2 / window;
    QList<double> rms(windows);
    double loudest = 0;
    for (qsizetype w = 0; w < windows; ++w) {
        double sum = 0;
        for (qsizetype i = w * window; i < (w + 1) * window; ++i)
            sum += double(samples[i]) * samples[i];
        rms[w] = std::sqrt(sum / window);
        loudest = std::max(loudest, rms[w]);
    }
    if (loudest < 32768.0 * 0.00316)
        return {};
    const double quiet = loudest * 0.0316;
    qsizetype first = 0;
    while (rms[first] < quiet)
        ++first;
    qsizetype last = windows - 1;
    while (rms[last] < quiet)
        --last;
    const qsizetype margin = 3; // 30 ms
    first = std::max<qsizetype>(0, first - margin) * window;
    last = std::min(windows, last + 1 + margin) * window;
    return pcm16Mono.mid(first * 2, (last - first) * 2);
}
