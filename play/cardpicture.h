#pragma once

#include "base/result.h"

#include <QImage>
#include <QString>

class PictureFile;

// Loads a card's picture without ever blocking or failing hard: a file that
// is missing, not a regular file, outside the pictures folder, too large or
// not an image gives a reason instead of an image.
class CardPicture
{
public:
    // Pictures larger than this many pixels are refused before decoding.
    static constexpr qint64 maxPixels = 4096LL * 4096LL;

    static Result<QImage, QString> load(const QString &path, const QString &picturesFolder);
    // The file, if it can be read as a picture of this folder: not missing,
    // a regular file, inside the folder.
    static Result<PictureFile, QString> open(const QString &path, const QString &picturesFolder);
};

// A neutral stand-in for a card whose picture cannot be shown: the word's
// first letter, drawn large.
QImage placeholderPicture(const QString &word, QSize size);
