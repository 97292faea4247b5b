// A card word names its picture: whatever the word, the path stays inside
// the pictures folder and ends in the word and ".bmp".
#include "deck/cardstore.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CardStore store(QStringLiteral("/tmp/pomwit-fuzz/app"));
    static const QString folder = store.picturesFolder() + QLatin1Char('/');
    // Odd sizes are read as UTF-8, even ones as UTF-16, lone surrogates and all.
    const QString word = size % 2
        ? QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))
        : QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const auto picture = store.picturePath(word);
    if (!picture) {
        if (picture.error().message.isEmpty())
            std::abort();
        return 0;
    }
    if (*picture != folder + word + QStringLiteral(".bmp"))
        std::abort();
    // Neither the text nor the name handed to the file system leads elsewhere.
    if (!QDir::cleanPath(*picture).startsWith(folder))
        std::abort();
    const QByteArray encoded = QFile::encodeName(*picture);
    const QByteArray encodedFolder = QFile::encodeName(folder);
    if (!encoded.startsWith(encodedFolder) || encoded.mid(encodedFolder.size()).contains('/')
        || encoded.contains('\0'))
        std::abort();
    return 0;
}
