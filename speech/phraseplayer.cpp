#include "speech/phraseplayer.h"

#include "speech/audiooutput.h"

#include <QTimer>

PhrasePlayer::PhrasePlayer(std::shared_ptr<AudioOutput> output, QObject *parent)
    : QObject(parent)
    , m_output(std::move(output))
{
}

PhrasePlayer::~PhrasePlayer()
{
    if (m_playing && m_output)
        m_output->stop();
}

bool PhrasePlayer::play(const QByteArray &pcm16Mono, int sampleRate)
{
    if (m_playing)
        return false;
    m_playing = true;
    const quint64 phrase = ++m_phrase;
    const auto done = [this, phrase](const SpeechResult<> &result) {
        if (phrase == m_phrase && m_playing)
            end(result);
    };
    if (!m_output) {
        // Still from the event loop, as a real output's end would come.
        QTimer::singleShot(0, this, [done] { done(noSound()); });
        return true;
    }
    m_output->start(pcm16Mono, sampleRate, done);
    return true;
}

void PhrasePlayer::stop()
{
    if (!m_playing)
        return;
    if (m_output)
        m_output->stop();
    end(SpeechError{SpeechError::Kind::Stopped, QString()});
}

void PhrasePlayer::end(const SpeechResult<> &result)
{
    m_playing = false;
    emit finished(result);
}
