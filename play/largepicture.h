#pragma once

#include "base/result.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The picture full screen shows for a card. A larger picture of the same card
// may lie beside its bitmap: WORD.png, WORD.jpg or WORD.svg, the first found
// in that order. Without one, or when it cannot be read, the bitmap is scaled
// smoothly. Either way it is fitted into the area with its proportions kept,
// on the given background.
// Why no picture could be shown is the error.
struct LargePicture
{
    QImage image;
    QString path; // the file it was drawn from

    static const QStringList &siblingSuffixes();
    // An SVG longer than this is refused unread.
    static constexpr qint64 maxSvgBytes = 1024 * 1024;

    static Result<LargePicture, QString> load(const QString &bitmapPath, const QString &picturesFolder, QSize area,
                                              const QColor &background);
    // Renders an SVG picture of the folder; one that is not a plain drawing
    // (it reads other files, or declares entities) is refused.
    static Result<LargePicture, QString> loadSvg(const QString &path, const QString &picturesFolder, QSize area,
                                                 const QColor &background);
};
