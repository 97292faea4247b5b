#pragma once

#include "base/result.h"

#include <QSize>
#include <QString>

// A card's picture file, looked at before anything decodes it: a file of its
// own inside the pictures folder and, for a BMP, what its header says and
// whether the file is as long as that header makes it.
class PictureFile
{
public:
    // The card bitmap's size: the card window's picture, and what
    // pomwit-cards makes.
    static constexpr int cardWidth = 273;
    static constexpr int cardHeight = 217;

    struct Error
    {
        enum class Kind { Missing, NotAFile, OutsideFolder, Unreadable };
        Kind kind;
        QString reason; // the system's, for Unreadable
    };

    static Result<PictureFile, Error> open(const QString &path, const QString &picturesFolder);
    // The same look at a picture's bytes held in memory.
    static PictureFile fromBytes(const QByteArray &bytes);

    // It begins as a BMP does.
    bool isBitmap() const { return m_bitmap; }
    // It has a whole BMP header, with these values.
    bool hasBitmapHeader() const { return m_bitmapHeader; }
    QSize bitmapSize() const { return m_size; }
    int bitsPerPixel() const { return m_bits; }
    bool isCompressed() const { return m_compressed; }

    // Its bytes, and those its header says it holds: a BMP's declared size,
    // or the end of its pixels where that lies further.
    qint64 bytes() const { return m_bytes; }
    qint64 expectedBytes() const { return m_expected; }
    bool isCutShort() const { return m_bytes < m_expected; }

private:
    PictureFile() = default;
    static PictureFile inspect(const QByteArray &head, qint64 size);

    bool m_bitmap = false;
    bool m_bitmapHeader = false;
    QSize m_size;
    int m_bits = 0;
    bool m_compressed = false;
    qint64 m_bytes = 0;
    qint64 m_expected = 0;
};
