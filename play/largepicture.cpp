#include "play/largepicture.h"
#include "play/playlogging.h"

#include "deck/picturefile.h"
#include "play/cardpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("LargePicture", text);
}

QImage fitted(const QImage &source, QSize area, const QColor &background)
{
    const QSize size = source.size().scaled(area, Qt::KeepAspectRatio);
    if (size.isEmpty())
        return {};
    QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.hasAlphaChannel())
        return scaled.convertToFormat(QImage::Format_RGB32);
    // Painted once on the background, so that showing it is a plain copy.
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter(&image).drawImage(0, 0, scaled);
    return image;
}

} // namespace

const QStringList &LargePicture::siblingSuffixes()
{
    static const QStringList suffixes{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("svg")};
    return suffixes;
}

Result<LargePicture, QString> LargePicture::load(const QString &bitmapPath, const QString &picturesFolder, QSize area,
                                                 const QColor &background)
{
    const auto loadFitted = [&](const QString &path) -> Result<LargePicture, QString> {
        const auto picture = CardPicture::load(path, picturesFolder);
        if (!picture)
            return picture.error();
        return LargePicture{fitted(*picture, area, background), path};
    };
    const QFileInfo bitmap(bitmapPath);
    const QString stem = bitmap.dir().filePath(bitmap.completeBaseName()) + QLatin1Char('.');
    for (const QString &suffix : siblingSuffixes()) {
        const QString path = stem + suffix;
        if (!QFileInfo::exists(path))
            continue;
        const auto large = suffix == QLatin1String("svg") ? loadSvg(path, picturesFolder, area, background)
                                                          : loadFitted(path);
        if (large)
            return large;
        // The bitmap is still the card's own picture.
        qCInfo(lcPlay) << large.error();
        break;
    }
    return loadFitted(bitmapPath);
}

Result<LargePicture, QString> LargePicture::loadSvg(const QString &path, const QString &picturesFolder, QSize area,
                                                    const QColor &background)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (const auto file = CardPicture::open(path, picturesFolder); !file)
        return file.error();
    QFile file(path);
    if (file.size() > maxSvgBytes)
        return tr("The picture \"%1\" is too large (%2 bytes): save it smaller.").arg(shown).arg(file.size());
    if (!file.open(QIODevice::ReadOnly))
        return tr("The picture \"%1\" cannot be read (%2).").arg(shown, file.errorString());
    const QByteArray data = file.readAll();
    // Another file read from inside the drawing could be anything, a FIFO
    // included; entities can grow without bound.
    static const QRegularExpression outside(QStringLiteral("href\\s*=\\s*[\"']\\s*(?!data:|#)|<!ENTITY"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (outside.match(QString::fromUtf8(data)).hasMatch())
        return tr("The picture \"%1\" refers to other files: save it as a drawing on its own.").arg(shown);
    QSvgRenderer renderer(data);
    const QSizeF natural = renderer.viewBoxF().isValid() ? renderer.viewBoxF().size() : QSizeF(renderer.defaultSize());
    if (!renderer.isValid() || natural.isEmpty())
        return tr("The picture \"%1\" cannot be read: replace it with an SVG drawing of the card.").arg(shown);
    const QSize size = natural.scaled(QSizeF(area), Qt::KeepAspectRatio).toSize();
    if (size.isEmpty())
        return LargePicture{{}, path};
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return LargePicture{image, path};
}
