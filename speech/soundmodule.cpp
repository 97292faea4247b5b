#include "speech/audiooutput.h"
#include "speech/microphone.h"
#include "speech/recordingcodec.h"
#include "speech/speechlogging.h"
#include "speech/speechsystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <dlfcn.h>


namespace {

constexpr char moduleName[] = "libpomwit-sound.so";

QString &modulePathOverride()
{
    static QString path;
    return path;
}

// The sound module: espeak-ng, Qt Multimedia and the sound server's library,
// loaded at the first phrase or voice list instead of at start.
struct SoundModule
{
    SpeechSystem *(*speechSystem)() = nullptr;
    AudioOutput *(*newAudioOutput)() = nullptr;
    RecordingCodec *(*recordingCodec)() = nullptr;
    Microphone *(*newMicrophone)() = nullptr;

    static const SoundModule &instance()
    {
        static const SoundModule module;
        return module;
    }

private:
    SoundModule()
    {
        // Where a test said; beside the program, as installed; otherwise
        // through the program's run path, which only a build tree has.
        void *handle = nullptr;
        if (!modulePathOverride().isEmpty())
            handle = ::dlopen(QFile::encodeName(modulePathOverride()).constData(), RTLD_NOW | RTLD_LOCAL);
        const QByteArray beside = QFile::encodeName(QCoreApplication::applicationDirPath()) + '/' + moduleName;
        if (!handle)
            handle = ::dlopen(beside.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            handle = ::dlopen(moduleName, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            qCWarning(lcSpeech) << "the sound module could not be loaded:" << ::dlerror();
            return;
        }
        speechSystem = reinterpret_cast<SpeechSystem *(*)()>(::dlsym(handle, "pomwitSpeechSystem"));
        newAudioOutput = reinterpret_cast<AudioOutput *(*)()>(::dlsym(handle, "pomwitNewAudioOutput"));
        recordingCodec = reinterpret_cast<RecordingCodec *(*)()>(::dlsym(handle, "pomwitRecordingCodec"));
        newMicrophone = reinterpret_cast<Microphone *(*)()>(::dlsym(handle, "pomwitNewMicrophone"));
        if (!speechSystem || !newAudioOutput || !recordingCodec || !newMicrophone)
            qCWarning(lcSpeech) << "the sound module lacks its entry points";
    }
};

// What is left when the module cannot be loaded (a broken installation).
class NoSpeechSystem final : public SpeechSystem
{
public:
    bool isReady() const override { return false; }
    QString languageVoice() const override { return {}; }
    QString languageName() const override { return {}; }
    QString languageCode() const override { return {}; }
    const VoiceCatalog &voiceCatalog() const override { return m_catalog; }
    VoiceCatalog voiceCatalogFor(const QString &) const override { return {}; }
    QString voiceFor(const QString &) const override { return {}; }
    QStringList languages() const override { return {}; }
    SpeechResult<Synthesis> synthesize(const QString &, bool, int, const QString &) override
    {
        return SpeechError{SpeechError::Kind::NoEngine, notStartedMessage()};
    }

private:
    VoiceCatalog m_catalog;
};

// Creates the module's output at the first phrase.
class DeferredAudioOutput final : public AudioOutput
{
public:
    void start(const QByteArray &pcm16Mono, int sampleRate, Finished finished) override
    {
        if (!m_output) {
            const SoundModule &module = SoundModule::instance();
            if (module.newAudioOutput)
                m_output.reset(module.newAudioOutput());
        }
        if (m_output)
            return m_output->start(pcm16Mono, sampleRate, std::move(finished));
        // Told from the event loop, as an output would.
        QTimer::singleShot(0, &m_context, [finished = std::move(finished)] { finished(noSound()); });
    }

    void stop() override
    {
        if (m_output)
            m_output->stop();
    }

private:
    QObject m_context;
    std::unique_ptr<AudioOutput> m_output;
};

// What reads and writes recordings when the module cannot be loaded.
class NoRecordingCodec final : public RecordingCodec
{
public:
    RecordingResult<RecordedSound> decode(const QByteArray &) override { return notLoaded(); }
    RecordingResult<QByteArray> encode(const RecordedSound &) override { return notLoaded(); }
    std::optional<double> loudness(const RecordedSound &) override { return std::nullopt; }

private:
    static RecordingError notLoaded()
    {
        return {RecordingError::Kind::Failed,
                QCoreApplication::translate("Speech", "the sound module of this installation is missing")};
    }
};

// Creates the module's microphone when it is first asked.
class DeferredMicrophone final : public Microphone
{
public:
    Result<Done, QString> available() override
    {
        if (!m_microphone) {
            const SoundModule &module = SoundModule::instance();
            if (!module.newMicrophone)
                return noMicrophoneMessage();
            m_microphone.reset(module.newMicrophone());
        }
        return m_microphone->available();
    }
    Result<Done, QString> open(int sampleRate, Samples samples, Failed failed) override
    {
        if (auto there = available(); !there)
            return there;
        return m_microphone->open(sampleRate, std::move(samples), std::move(failed));
    }
    void close() override
    {
        if (m_microphone)
            m_microphone->close();
    }

private:
    std::unique_ptr<Microphone> m_microphone;
};

} // namespace

RecordingCodec &RecordingCodec::instance()
{
    if (const SoundModule &module = SoundModule::instance(); module.recordingCodec)
        return *module.recordingCodec();
    static NoRecordingCodec none;
    return none;
}

std::shared_ptr<Microphone> makeSystemMicrophone()
{
    return std::make_shared<DeferredMicrophone>();
}

SpeechSystem &SpeechSystem::instance()
{
    if (const SoundModule &module = SoundModule::instance(); module.speechSystem)
        return *module.speechSystem();
    static NoSpeechSystem none;
    return none;
}

void useSoundModule(const QString &path)
{
    modulePathOverride() = path;
}

std::shared_ptr<AudioOutput> makeSystemAudioOutput()
{
    return std::make_shared<DeferredAudioOutput>();
}
