#include "speech/fliteengine.h"

#include "speech/speechlogging.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <dlfcn.h>

#include <csetjmp>

extern "C" {
#include <flite/flite.h>
}

#ifndef POMWIT_FLITE_DIR
#define POMWIT_FLITE_DIR "/usr/lib"
#endif

const QString FliteEngine::voicePrefix = QStringLiteral("flite:");
const QString FliteEngine::engineName = QStringLiteral("Flite");

// Only what a phrase needs; each is looked up by name once the library is loaded.
#define POMWIT_FLITE_FUNCTIONS(X)                                                                            \
    X(flite_init)                                                                                            \
    X(new_utterance)                                                                                         \
    X(utt_set_input_text)                                                                                    \
    X(flite_do_synth)                                                                                        \
    X(utt_synth)                                                                                             \
    X(delete_utterance)                                                                                      \
    X(utt_wave)                                                                                              \
    X(utt_relation)                                                                                          \
    X(relation_head)                                                                                         \
    X(item_next)                                                                                             \
    X(item_daughter)                                                                                         \
    X(item_feat_string)                                                                                      \
    X(item_set_string)                                                                                       \
    X(feat_val)                                                                                              \
    X(feat_set)                                                                                              \
    X(feat_set_float)                                                                                        \
    X(uttfunc_val)                                                                                           \
    X(val_uttfunc)                                                                                           \
    X(default_pos_tagger)

struct FliteEngine::Library
{
#define POMWIT_DECLARE(name) decltype(&::name) name = nullptr;
    POMWIT_FLITE_FUNCTIONS(POMWIT_DECLARE)
#undef POMWIT_DECLARE
    // Where the library jumps on an error instead of ending the process.
    jmp_buf **errorJump = nullptr;
};

namespace {

struct Known
{
    const char *id;
    const char *name;
    VoiceGender gender;
};

// Within each gender, the voice a speech recogniser understood best comes
// first (bench_voice measures it); the selector's lookup takes the first.
constexpr Known knownVoices[] = {
    {"slt", "natural female", VoiceGender::Female},
    {"rms", "natural male", VoiceGender::Male},
    {"awb", "natural male 2", VoiceGender::Male},
};

// The library calls back into plain functions, one phrase at a time, on the
// thread that speaks; these carry the phrase's settings to them.
struct PhraseSettings
{
    const FliteEngine::Library *library = nullptr;
    bool letterFirst = false;
    float stretch = 1.0f;
    cst_uttfunc tagger = nullptr;
};
PhraseSettings phrase;

// The tagger reads a lone "a" as the article; as a noun it is the letter's name.
cst_utterance *tagLetterAsNoun(cst_utterance *u)
{
    const auto &lib = *phrase.library;
    u = phrase.tagger(u);
    if (u && phrase.letterFirst) {
        if (cst_item *word = lib.relation_head(lib.utt_relation(u, "Word")))
            lib.item_set_string(word, "pos", "n");
    }
    return u;
}

cst_utterance *synthesizeUtterance(cst_utterance *u)
{
    const auto &lib = *phrase.library;
    const cst_val *tagger = lib.feat_val(u->features, "pos_tagger_func");
    phrase.tagger = tagger ? lib.val_uttfunc(tagger) : lib.default_pos_tagger;
    lib.feat_set(u->features, "pos_tagger_func", lib.uttfunc_val(tagLetterAsNoun));
    lib.feat_set_float(u->features, "duration_stretch", phrase.stretch);
    return lib.utt_synth(u);
}

// No C++ object lives in this frame: the library may jump out of the
// synthesis back to here.
cst_utterance *synthesizeGuarded(const FliteEngine::Library &lib, cst_voice *voice, const char *text)
{
    jmp_buf here;
    jmp_buf *const before = *lib.errorJump;
    cst_utterance *u = lib.new_utterance();
    if (setjmp(here) != 0) {
        *lib.errorJump = before;
        return nullptr; // the half-made utterance is lost; the engine is not used again
    }
    *lib.errorJump = &here;
    lib.utt_set_input_text(u, text);
    cst_utterance *done = lib.flite_do_synth(u, voice, synthesizeUtterance);
    *lib.errorJump = before;
    return done;
}

// Each word's segments after a "|", as the other engine reports them.
QString phonemesOf(const FliteEngine::Library &lib, cst_utterance *u)
{
    QString phonemes;
    for (cst_item *word = lib.relation_head(lib.utt_relation(u, "SylStructure")); word; word = lib.item_next(word)) {
        phonemes += QStringLiteral("| ");
        for (cst_item *syllable = lib.item_daughter(word); syllable; syllable = lib.item_next(syllable)) {
            for (cst_item *segment = lib.item_daughter(syllable); segment; segment = lib.item_next(segment))
                phonemes += QString::fromUtf8(lib.item_feat_string(segment, "name")) + QLatin1Char(' ');
        }
    }
    return phonemes.trimmed();
}

} // namespace

FliteEngine::FliteEngine(QString libraryFolder)
    : m_folder(libraryFolder.isEmpty() ? QStringLiteral(POMWIT_FLITE_DIR) : std::move(libraryFolder))
{
}

FliteEngine::~FliteEngine() = default; // the libraries stay loaded: their voices live in them

QList<NaturalVoice> FliteEngine::installedVoices() const
{
    QList<NaturalVoice> voices;
    if (!QFileInfo::exists(m_folder + QStringLiteral("/libflite.so.1")))
        return voices;
    for (const Known &known : knownVoices) {
        const QString id = QString::fromLatin1(known.id);
        if (QFileInfo::exists(m_folder + QStringLiteral("/libflite_cmu_us_%1.so.1").arg(id)))
            voices.append({voicePrefix + id, QString::fromLatin1(known.name), known.gender});
    }
    return voices;
}

bool FliteEngine::speaks(const QString &voice) const
{
    return voice.startsWith(voicePrefix);
}

SpeechResult<> FliteEngine::start()
{
    if (m_library)
        return Done{};
    const QString path = m_folder + QStringLiteral("/libflite.so.1");
    void *core = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!core)
        return SpeechError{SpeechError::Kind::NoEngine, QString::fromLocal8Bit(dlerror())};
    auto library = std::make_unique<Library>();
#define POMWIT_RESOLVE(name)                                                                                 \
    library->name = reinterpret_cast<decltype(library->name)>(dlsym(core, #name));                           \
    if (!library->name)                                                                                      \
        return SpeechError{SpeechError::Kind::NoEngine, path + QStringLiteral(" lacks " #name)};
    POMWIT_FLITE_FUNCTIONS(POMWIT_RESOLVE)
#undef POMWIT_RESOLVE
    library->errorJump = static_cast<jmp_buf **>(dlsym(core, "cst_errjmp"));
    if (!library->errorJump)
        return SpeechError{SpeechError::Kind::NoEngine, path + QStringLiteral(" lacks cst_errjmp")};
    library->flite_init();
    m_library = std::move(library);
    return Done{};
}

SpeechResult<void *> FliteEngine::loadVoice(const QString &name)
{
    if (void *voice = m_voices.value(name))
        return voice;
    const QString id = name.mid(voicePrefix.size());
    const QString path = m_folder + QStringLiteral("/libflite_cmu_us_%1.so.1").arg(id);
    void *library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return SpeechError{SpeechError::Kind::NoVoice, QString::fromLocal8Bit(dlerror())};
    using Register = cst_voice *(*)(const char *);
    const auto registerVoice =
        reinterpret_cast<Register>(dlsym(library, QStringLiteral("register_cmu_us_%1").arg(id).toLatin1().constData()));
    cst_voice *voice = registerVoice ? registerVoice(nullptr) : nullptr;
    if (!voice)
        return SpeechError{SpeechError::Kind::NoVoice, path + QStringLiteral(" holds no voice")};
    m_voices.insert(name, voice);
    return static_cast<void *>(voice);
}

SpeechResult<SpeechSystem::Synthesis> FliteEngine::fail(const QString &why)
{
    m_failed = true;
    qCWarning(lcSpeech).noquote() << "the natural voices are not available:" << why;
    return SpeechError{SpeechError::Kind::NoEngine, why};
}

SpeechResult<SpeechSystem::Synthesis> FliteEngine::synthesize(const QString &text, bool letterFirst, double stretch,
                                                              const QString &voice)
{
    if (m_failed)
        return SpeechError{SpeechError::Kind::NoEngine, QCoreApplication::translate("Speech", "The natural voices could not start.")};
    if (const SpeechResult<> started = start(); !started)
        return fail(started.error().message);
    const SpeechResult<void *> loaded = loadVoice(voice);
    if (!loaded)
        return fail(loaded.error().message);

    const Library &lib = *m_library;
    phrase = {&lib, letterFirst, float(stretch), nullptr};
    cst_utterance *u = synthesizeGuarded(lib, static_cast<cst_voice *>(*loaded), text.toUtf8().constData());
    if (!u)
        return fail(QStringLiteral("the synthesiser stopped on \"%1\"").arg(text));
    SpeechSystem::Synthesis synthesis;
    if (const cst_wave *wave = lib.utt_wave(u); wave && wave->num_channels == 1) {
        synthesis.sampleRate = wave->sample_rate;
        synthesis.pcm = QByteArray(reinterpret_cast<const char *>(wave->samples),
                                   qsizetype(wave->num_samples) * qsizetype(sizeof(short)));
    }
    synthesis.phonemes = phonemesOf(lib, u);
    lib.delete_utterance(u);
    if (synthesis.sampleRate <= 0)
        return fail(QStringLiteral("the synthesiser gave no mono sound for \"%1\"").arg(text));
    return synthesis;
}
