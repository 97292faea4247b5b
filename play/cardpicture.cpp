#include "play/cardpicture.h"

#include "base/cardword.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CardPicture", text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString CardPicture::fileProblem(const QString &path, const QString &picturesFolder)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("The picture \"%1\" is missing: copy the card's picture into the pictures folder.").arg(shown(path));
    // A FIFO or a device would block or never end; a folder is no picture.
    if (!info.isFile())
        return tr("\"%1\" is not a picture file: replace it with the card's picture.").arg(shown(path));
    const QString folder = QFileInfo(picturesFolder).canonicalFilePath();
    const QString target = info.canonicalFilePath();
    if (folder.isEmpty() || !target.startsWith(folder + QLatin1Char('/')))
        return tr("The picture \"%1\" points outside the pictures folder: copy the picture itself into the pictures folder.")
            .arg(shown(path));
    return QString();
}

CardPicture CardPicture::load(const QString &path, const QString &picturesFolder)
{
    if (QString problem = fileProblem(path, picturesFolder); !problem.isEmpty())
        return {{}, problem};
    const QFileInfo info(path);

    auto tooLarge = [&path](QSize size) {
        return CardPicture{{}, tr("The picture \"%1\" is too large (%2 × %3 pixels): save it smaller, for example 273 × 217.")
                                   .arg(shown(path), QString::number(size.width()), QString::number(size.height()))};
    };
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(6) : QByteArray();
    file.close();
    const bool bitmap = header.startsWith("BM");
    QImageReader reader(path);
    if (bitmap) {
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
    if (bitmap) {
        const quint32 declared = header.size() == 6 ? qFromLittleEndian<quint32>(header.constData() + 2) : 0;
        if (declared > 0 && info.size() < qint64(declared))
            return {{}, tr("The picture \"%1\" is cut short (%2 of %3 bytes): replace it with a complete copy of the picture.")
                            .arg(shown(path), QString::number(info.size()), QString::number(declared))};
    }
    QImage image = reader.read();
    if (image.isNull())
        return {{}, tr("The picture \"%1\" cannot be read (%2): replace it with a BMP picture of the card.")
                        .arg(shown(path), reader.errorString())};
    if (qint64(image.width()) * image.height() > maxPixels)
        return tooLarge(image.size());
    return {image, QString()};
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
