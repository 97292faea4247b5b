// Any bytes in a picture file: the card picture loads or gives a reason,
// and never decodes more pixels than it allows.
#include "play/cardpicture.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/pomwit-fuzz-%1/pictures").arg(::getpid());
        QDir().mkpath(path);
        return path;
    }();
    const QString file = folder + QStringLiteral("/card.bmp");
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const auto picture = CardPicture::load(file, folder);
    if (picture ? picture->isNull() : picture.error().isEmpty())
        std::abort();
    if (picture && qint64(picture->width()) * picture->height() > CardPicture::maxPixels)
        std::abort();
    return 0;
}
