#include "deck/cardimage.h"

#include "deck/decklogging.h"
#include "deck/picturefile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <mutex>

// The texts' context, which the translation tools take from the namespace.
namespace cardImage {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("cardImage", text);
}

} // namespace
} // namespace cardImage

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Image plugins tell of damage they work around (a JPEG cut short comes out
// grey at the bottom) and of an image beyond the allocation limit only as
// warnings, so those are caught while an image is read. Pictures are read on
// several threads at once: one handler for the process, a list per thread.
thread_local QStringList *caughtWarnings = nullptr;
QtMessageHandler previousHandler = nullptr;

void catchImageWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (caughtWarnings && type == QtWarningMsg && context.category
        && QByteArrayView(context.category).startsWith("qt.gui.imageio")) {
        caughtWarnings->append(message);
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

struct WarningCatcher
{
    QStringList warnings;
    WarningCatcher()
    {
        static std::once_flag installed;
        std::call_once(installed, [] { previousHandler = qInstallMessageHandler(catchImageWarnings); });
        caughtWarnings = &warnings;
    }
    ~WarningCatcher() { caughtWarnings = nullptr; }
};

bool isHeic(const QByteArray &head)
{
    static const QList<QByteArray> brands{"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1"};
    return head.mid(4, 4) == "ftyp" && brands.contains(head.mid(8, 4));
}

// The formats Debian's Qt reads only with a plugin package installed.
struct PluginFormat
{
    QByteArray format;
    const char *name;
    const char *package;
};

std::optional<PluginFormat> pluginFormat(const QByteArray &head)
{
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return PluginFormat{"webp", "WebP", "qt6-image-formats-plugins"};
    if (head.contains("<svg"))
        return PluginFormat{"svg", "SVG", "libqt6svg6"};
    return std::nullopt;
}

bool hasTransparentPixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return true;
        }
    }
    return false;
}

QByteArray encode(const QImage &image, const char *format)
{
    // A QImage carries the text fields of the file it was read from, and a
    // writer puts them in again; a bare image over the same pixels has none.
    const QImage bare(image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // For PNG the quality is the inverse of the compression: left as it is.
    if (qstrcmp(format, "jpeg") == 0)
        writer.setQuality(90);
    return writer.write(bare) ? bytes : QByteArray();
}

} // namespace

Result<CardImages, QString> makeCardImages(const QString &imagePath)
{
    const QFileInfo info(imagePath);
    if (!info.exists())
        return cardImage::tr("There is no picture \"%1\": check the file's name and folder.").arg(shown(imagePath));
    // Reading a FIFO would wait for ever.
    if (!info.isFile())
        return cardImage::tr("\"%1\" is not a picture file but a folder or a special file: name a picture file.")
            .arg(shown(imagePath));
    QFile file(imagePath);
    if (!file.open(QIODevice::ReadOnly))
        return cardImage::tr("\"%1\" cannot be read (%2): check that your user may read it.").arg(shown(imagePath), file.errorString());
    const QByteArray head = file.read(1024);
    file.close();
    if (isHeic(head))
        return cardImage::tr("\"%1\" is a HEIC photo, which Pomwit cannot read: convert it to JPEG first, for example "
                  "with heif-convert \"%1\" photo.jpg (from the package libheif-examples).")
            .arg(shown(imagePath));

    QImageReader reader(imagePath);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty()) {
        const auto plugin = pluginFormat(head);
        if (plugin && !QImageReader::supportedImageFormats().contains(plugin->format))
            return cardImage::tr("\"%1\" is a %2 picture, and reading it needs the package %3: install it (sudo apt install "
                      "%3), or save the picture as JPEG or PNG.")
                .arg(shown(imagePath), QLatin1String(plugin->name), QLatin1String(plugin->package));
        return cardImage::tr("\"%1\" is not a picture that Pomwit can read (%2): save it as JPEG or PNG, then try again.")
            .arg(shown(imagePath), reader.errorString());
    }
    const QSize size = reader.size();
    const auto tooLarge = [&imagePath, &size] {
        return cardImage::tr("\"%1\" is too large to read (%2 × %3 pixels): save it smaller, for example 4000 × 3000 "
                  "pixels, then try again.")
            .arg(shown(imagePath))
            .arg(size.width())
            .arg(size.height());
    };
    const int longSide = std::max(size.width(), size.height());
    if (format == "svg" || format == "svgz") {
        // Drawn at full-screen size rather than at its nominal one.
        if (size.isValid())
            reader.setScaledSize(size.scaled(cardImage::largeSide, cardImage::largeSide, Qt::KeepAspectRatio));
    } else if (format == "jpeg" && longSide > cardImage::largeSide) {
        // The decoder itself decodes a JPEG at a fraction (M/8) no smaller
        // than this and scales the rest: less memory and time than the whole
        // photo, and the large picture as large as it may be.
        reader.setScaledSize(size.scaled(cardImage::largeSide, cardImage::largeSide, Qt::KeepAspectRatio));
    } else if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(reader.allocationLimit()) << 20) {
        return tooLarge();
    }
    QImage image;
    QStringList warnings;
    {
        WarningCatcher catcher;
        image = reader.read();
        warnings = catcher.warnings;
    }
    if (image.isNull()) {
        if (!warnings.filter(QStringLiteral("allocation limit")).isEmpty())
            return tooLarge();
        return cardImage::tr("\"%1\" is not a picture that Pomwit can read (%2): save it as JPEG or PNG, then try again.")
            .arg(shown(imagePath), reader.errorString());
    }
    if (!warnings.isEmpty())
        return cardImage::tr("\"%1\" is damaged or cut short (%2): copy the picture again from where it came from.")
            .arg(shown(imagePath), warnings.first());

    qCDebug(lcDeck) << imagePath << "read as" << format << image.size();
    const bool alpha = image.hasAlphaChannel();
    image.convertTo(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb)
        image.convertToColorSpace(QColorSpace::SRgb);
    const bool transparent = alpha && hasTransparentPixel(image);
    if (std::max(image.width(), image.height()) > cardImage::largeSide)
        image = image.scaled(cardImage::largeSide, cardImage::largeSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    // Fitted without distortion, centred on white, which also shows behind
    // transparent parts.
    const QSize box(PictureFile::cardWidth, PictureFile::cardHeight);
    const QSize fitted = image.size().scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QImage bitmap(box, QImage::Format_RGB888);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        painter.drawImage(QPoint((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2),
                          image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    if (!transparent)
        image.convertTo(QImage::Format_RGB32);
    CardImages images{encode(bitmap, "bmp"), encode(image, transparent ? "png" : "jpeg"),
                      transparent ? QStringLiteral("png") : QStringLiteral("jpg")};
    if (images.bitmap.isEmpty() || images.large.isEmpty())
        return cardImage::tr("The pictures for \"%1\" could not be made: try another picture.").arg(shown(imagePath));
    return images;
}
