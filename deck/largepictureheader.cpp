#include "deck/largepictureheader.h"

#include <QCoreApplication>
#include <QtEndian>

namespace largePictureHeader {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("largePictureHeader", text);
}

// Walks the JPEG's segments to its frame header, which holds the size.
QSize jpegSize(const QByteArray &bytes)
{
    const auto *at = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype end = bytes.size();
    qsizetype i = 2;
    while (i + 1 < end) {
        if (at[i] != 0xff)
            return {};
        const uchar marker = at[i + 1];
        i += 2;
        if (marker == 0xff) {
            --i; // fill byte
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7))
            continue;
        if (marker == 0xd9 || marker == 0xda || i + 2 > end)
            return {};
        const qsizetype length = qFromBigEndian<quint16>(at + i);
        if (length < 2 || i + length > end)
            return {};
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            if (length < 7)
                return {};
            return QSize(qFromBigEndian<quint16>(at + i + 5), qFromBigEndian<quint16>(at + i + 3));
        }
        i += length;
    }
    return {};
}

QSize pngSize(const QByteArray &bytes)
{
    if (bytes.size() < 24 || bytes.mid(12, 4) != "IHDR")
        return {};
    const auto *at = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 width = qFromBigEndian<quint32>(at + 16);
    const quint32 height = qFromBigEndian<quint32>(at + 20);
    if (width > quint32(largeSide) || height > quint32(largeSide))
        return QSize(largeSide + 1, largeSide + 1);
    return QSize(int(width), int(height));
}

} // namespace

Result<QSize, QString> check(const QByteArray &bytes, const QString &suffix)
{
    QSize size;
    if (suffix == QLatin1String("jpg")) {
        if (!bytes.startsWith("\xff\xd8\xff"))
            return tr("the large picture is not a JPEG file");
        size = jpegSize(bytes);
    } else if (suffix == QLatin1String("png")) {
        if (!bytes.startsWith("\x89PNG\r\n\x1a\n"))
            return tr("the large picture is not a PNG file");
        size = pngSize(bytes);
    } else {
        return tr("the large picture is neither a JPEG nor a PNG file");
    }
    if (size.isEmpty())
        return tr("the large picture's header gives no size");
    if (size.width() > largeSide || size.height() > largeSide)
        return tr("the large picture is larger than %1 pixels on a side").arg(largeSide);
    return size;
}

} // namespace largePictureHeader
