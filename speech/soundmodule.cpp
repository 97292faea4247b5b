#include "speech/audiooutput.h"
#include "speech/speechsystem.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

Q_LOGGING_CATEGORY(lcSpeech, "pomwit.speech", QtInfoMsg)

namespace {

constexpr char moduleName[] = "libpomwit-sound.so";

// The sound module: espeak-ng, Qt Multimedia and the sound server's library,
// loaded at the first phrase or voice list instead of at start.
struct SoundModule
{
    SpeechSystem *(*speechSystem)() = nullptr;
    AudioOutput *(*newAudioOutput)() = nullptr;

    static const SoundModule &instance()
    {
        static const SoundModule module;
        return module;
    }

private:
    SoundModule()
    {
        // Beside the program, as installed; otherwise where the build tree's
        // tests say, or through the program's run path, which only a build
        // tree has (a sanitizer's dlopen does not see the run path).
        const QByteArray beside = QFile::encodeName(QCoreApplication::applicationDirPath()) + '/' + moduleName;
        void *handle = ::dlopen(beside.constData(), RTLD_NOW | RTLD_LOCAL);
        if (const QByteArray named = qgetenv("POMWIT_SOUND_MODULE"); !handle && !named.isEmpty())
            handle = ::dlopen(named.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            handle = ::dlopen(moduleName, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            qCWarning(lcSpeech) << "the sound module could not be loaded:" << ::dlerror();
            return;
        }
        speechSystem = reinterpret_cast<SpeechSystem *(*)()>(::dlsym(handle, "pomwitSpeechSystem"));
        newAudioOutput = reinterpret_cast<AudioOutput *(*)()>(::dlsym(handle, "pomwitNewAudioOutput"));
        if (!speechSystem || !newAudioOutput)
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
    SpeechResult<> play(const QByteArray &pcm16Mono, int sampleRate) override
    {
        if (!m_output) {
            const SoundModule &module = SoundModule::instance();
            if (!module.newAudioOutput)
                return noSound();
            m_output.reset(module.newAudioOutput());
        }
        return m_output->play(pcm16Mono, sampleRate);
    }

private:
    std::unique_ptr<AudioOutput> m_output;
};

} // namespace

SpeechSystem &SpeechSystem::instance()
{
    if (const SoundModule &module = SoundModule::instance(); module.speechSystem)
        return *module.speechSystem();
    static NoSpeechSystem none;
    return none;
}

std::shared_ptr<AudioOutput> makeSystemAudioOutput()
{
    return std::make_shared<DeferredAudioOutput>();
}
