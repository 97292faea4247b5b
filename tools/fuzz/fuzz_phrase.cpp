// Any card word, made into the spoken phrase and its speech markup, must be
// synthesised without a fault: markup characters in the word stay text.
#include "speech/audiooutput.h"
#include "speech/speakingvoice.h"

#include <cstddef>
#include <cstdint>

namespace {

class NullOutput : public AudioOutput
{
public:
    bool play(const QByteArray &, int, QString *) override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Words longer than this are only slower, not different.
    if (size > 400)
        return 0;
    static SpeakingVoice voice(std::make_shared<NullOutput>());
    const QString word = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString first = word.left(1);
    if (word.size() > 1 && word.at(0).isHighSurrogate() && word.at(1).isLowSurrogate())
        first = word.left(2);
    voice.Speak(first + QStringLiteral(" for ") + word, 0);
    voice.Speak(word, 0);
    return 0;
}
