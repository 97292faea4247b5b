#include "deck/picturefile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// The file header and the BITMAPINFOHEADER after it.
constexpr qint64 bitmapHeaderBytes = 54;

} // namespace

Result<PictureFile, PictureFile::Error> PictureFile::open(const QString &path, const QString &picturesFolder)
{
    const QFileInfo info(path);
    // A link to nothing is a missing picture too.
    if (!info.exists())
        return Error{Error::Kind::Missing, {}};
    // A FIFO or a device would block or never end; a folder is no picture.
    if (!info.isFile())
        return Error{Error::Kind::NotAFile, {}};
    const QString folder = QFileInfo(picturesFolder).canonicalFilePath();
    if (folder.isEmpty() || !info.canonicalFilePath().startsWith(folder + QLatin1Char('/')))
        return Error{Error::Kind::OutsideFolder, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{Error::Kind::Unreadable, file.errorString()};
    return inspect(file.read(bitmapHeaderBytes), file.size());
}

PictureFile PictureFile::fromBytes(const QByteArray &bytes)
{
    return inspect(bytes.left(bitmapHeaderBytes), bytes.size());
}

PictureFile PictureFile::inspect(const QByteArray &head, qint64 size)
{
    PictureFile picture;
    picture.m_bytes = size;
    picture.m_bitmap = head.startsWith("BM");
    if (!picture.m_bitmap)
        return picture;
    const char *at = head.constData();
    if (head.size() >= 6)
        picture.m_expected = qFromLittleEndian<quint32>(at + 2);
    if (head.size() < bitmapHeaderBytes)
        return picture;
    picture.m_bitmapHeader = true;
    const qint32 width = qFromLittleEndian<qint32>(at + 18);
    const qint64 height = std::abs(qint64(qFromLittleEndian<qint32>(at + 22)));
    picture.m_size = QSize(width, int(std::min<qint64>(height, std::numeric_limits<int>::max())));
    picture.m_bits = qFromLittleEndian<quint16>(at + 28);
    picture.m_compressed = qFromLittleEndian<quint32>(at + 30) != 0;
    // Uncompressed rows are padded to four bytes; the pixels end where the
    // last row does.
    if (!picture.m_compressed && width > 0 && picture.m_bits > 0 && picture.m_bits <= 32) {
        const qint64 rowBytes = (qint64(width) * picture.m_bits + 31) / 32 * 4;
        const qint64 end = qint64(qFromLittleEndian<quint32>(at + 10)) + rowBytes * height;
        picture.m_expected = std::max(picture.m_expected, end);
    }
    return picture;
}
