// Any bytes on the privileged helper's standard input: a change of the card
// set is read back whole or refused with a reason, never a crash.
#include "deck/cardsetchange.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto change = CardSetChange::parse(bytes);
    if (change ? change->serialize() != bytes : change.error().isEmpty())
        std::abort();
    return 0;
}
