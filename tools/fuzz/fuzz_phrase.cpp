// Any card word, made into the spoken phrase and its speech markup, must be
// synthesised without a fault: markup characters in the word stay text.
#include "base/cardword.h"
#include "speech/audiooutput.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"

#include <cstddef>
#include <cstdint>

namespace {

class NullOutput : public AudioOutput
{
public:
    void start(const QByteArray &, int, Finished finished) override { finished(Done{}); }
    void stop() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Words longer than this are only slower, not different.
    if (size > 400)
        return 0;
    static SpeakingVoice voice(std::make_shared<PhrasePlayer>(std::make_shared<NullOutput>()), nullptr);
    const QString word = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    voice.Speak(firstCharacter(word) + QStringLiteral(" for ") + word, 0);
    voice.Speak(word, 0);
    return 0;
}
