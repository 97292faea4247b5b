#include "speech/audiooutput.h"
#include "speech/engineselector.h"
#include "speech/speakingvoice.h"

// Placeholder until the speech layer lands.
namespace {
class NoAudio : public AudioOutput
{
public:
    bool play(const QByteArray &, int, QString *error) override
    {
        *error = QStringLiteral("Sound is not available, so the words are shown but not spoken.");
        return false;
    }
};
class NoSelector : public EngineSelector
{
public:
    using EngineSelector::EngineSelector;
    qint32 Find(const QString &) override { return 0; }
    bool Select(qint32) override { return false; }
    qint32 CountEngines() override { return 0; }
    QString ModeName(qint32) override { return {}; }
    qint32 CurrentMode() override { return 0; }
    bool setCurrentMode(qint32) override { return false; }
};
} // namespace

std::shared_ptr<AudioOutput> makeSystemAudioOutput()
{
    return std::make_shared<NoAudio>();
}

EngineSelector *makeSystemEngineSelector(QWidget *parent)
{
    return new NoSelector(parent);
}

struct SpeakingVoice::Private
{
    std::shared_ptr<AudioOutput> output;
    int rate = 0;
    QString error;
};

SpeakingVoice::SpeakingVoice(std::shared_ptr<AudioOutput> output) : d(std::make_unique<Private>())
{
    d->output = std::move(output);
}
SpeakingVoice::~SpeakingVoice() = default;
bool SpeakingVoice::setRate(int rate)
{
    d->rate = rate;
    return true;
}
int SpeakingVoice::rate() const
{
    return d->rate;
}
bool SpeakingVoice::Speak(const QString &, quint32)
{
    return d->output->play(QByteArray(), 22050, &d->error);
}
QString SpeakingVoice::lastError() const
{
    return d->error;
}
