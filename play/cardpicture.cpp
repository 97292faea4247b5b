#include "play/cardpicture.h"

#include "base/cardword.h"
#include "deck/picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QImageReader>
#include <QPainter>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CardPicture", text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotBeRead(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("CardPicture",
                                       "The picture \"%1\" cannot be read (%2): replace it with a BMP picture of the card.")
        .arg(shown(path), reason);
}

} // namespace

Result<PictureFile, QString> CardPicture::open(const QString &path, const QString &picturesFolder)
{
    auto file = PictureFile::open(path, picturesFolder);
    if (file)
        return std::move(file.value());
    switch (file.error().kind) {
    case PictureFile::Error::Kind::Missing:
        return tr("The picture \"%1\" is missing: copy the card's picture into the pictures folder.").arg(shown(path));
    case PictureFile::Error::Kind::NotAFile:
        return tr("\"%1\" is not a picture file: replace it with the card's picture.").arg(shown(path));
    case PictureFile::Error::Kind::OutsideFolder:
        return tr("The picture \"%1\" points outside the pictures folder: copy the picture itself into the pictures folder.")
            .arg(shown(path));
    case PictureFile::Error::Kind::Unreadable:
        break;
    }
    return cannotBeRead(path, file.error().reason);
}

Result<QImage, QString> CardPicture::load(const QString &path, const QString &picturesFolder)
{
    const auto file = open(path, picturesFolder);
    if (!file)
        return file.error();

    auto tooLarge = [&path](QSize size) {
        return tr("The picture \"%1\" is too large (%2 × %3 pixels): save it smaller, for example 273 × 217.")
            .arg(shown(path), QString::number(size.width()), QString::number(size.height()));
    };
    QImageReader reader(path);
    if (file->isBitmap()) {
        // Naming the format spares loading every image plugin to guess it.
        reader.setFormat("bmp");
        reader.setAutoDetectImageFormat(false);
    } else {
        reader.setDecideFormatFromContent(true);
    }
    // Not every header tells the size before decoding: the limit bounds the
    // decoding itself (in megabytes, at 4 bytes a pixel).
    reader.setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return tooLarge(size);
    // The image reader fills in the missing rows of a cut-short bitmap without
    // saying so; its header tells how long the file should be.
    if (file->isCutShort())
        return tr("The picture \"%1\" is cut short (%2 of %3 bytes): replace it with a complete copy of the picture.")
            .arg(shown(path), QString::number(file->bytes()), QString::number(file->expectedBytes()));
    QImage image = reader.read();
    if (image.isNull())
        return cannotBeRead(path, reader.errorString());
    if (qint64(image.width()) * image.height() > maxPixels)
        return tooLarge(image.size());
    return image;
}

QImage placeholderPicture(const QString &word, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xf4, 0xf1, 0xe8));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(size.height() * 6 / 10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x7a, 0x86, 0x99));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, firstCharacter(word));
    return image;
}
