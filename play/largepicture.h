#pragma once

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
struct LargePicture
{
    QImage image;
    QString path;    // the file it was drawn from
    QString problem; // why no picture could be shown; empty when one was

    bool ok() const { return problem.isEmpty(); }

    static const QStringList &siblingSuffixes();
    // An SVG longer than this is refused unread.
    static constexpr qint64 maxSvgBytes = 1024 * 1024;

    static LargePicture load(const QString &bitmapPath, const QString &picturesFolder, QSize area,
                             const QColor &background);
    // Renders an SVG picture of the folder; one that is not a plain drawing
    // (it reads other files, or declares entities) is refused.
    static LargePicture loadSvg(const QString &path, const QString &picturesFolder, QSize area,
                                const QColor &background);
};
