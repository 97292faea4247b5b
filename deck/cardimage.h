#pragma once

#include "base/result.h"
#include "deck/largepictureheader.h"

#include <QByteArray>
#include <QString>

// A card's pictures made from any image Qt can read, turned upright as its
// camera says: the card bitmap (the image fitted on white into 273 × 217, a
// 24-bit BMP) and the large picture for full screen (at most 2048 pixels on
// its long side; a JPEG, or a PNG where the image is transparent). Neither
// keeps the file's metadata.
struct CardImages
{
    QByteArray bitmap;
    QByteArray large;
    QString largeSuffix;
};

namespace cardImage {
constexpr int largeSide = largePictureHeader::largeSide;
} // namespace cardImage

// Fails with a message that names the file and says what to do.
Result<CardImages, QString> makeCardImages(const QString &imagePath);
