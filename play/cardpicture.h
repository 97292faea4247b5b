#pragma once

#include <QImage>
#include <QString>

// Loads a card's picture without ever blocking or failing hard: a file that
// is missing, not a regular file, outside the pictures folder, too large or
// not an image gives a reason instead of an image.
struct CardPicture
{
    QImage image;
    QString problem; // empty when the image loaded

    bool ok() const { return problem.isEmpty(); }

    // Pictures larger than this many pixels are refused before decoding.
    static constexpr qint64 maxPixels = 4096LL * 4096LL;

    static CardPicture load(const QString &path, const QString &picturesFolder);
    // Why the file cannot be read as a picture of this folder (missing, not a
    // regular file, outside the folder); empty when it can.
    static QString fileProblem(const QString &path, const QString &picturesFolder);
};

// A neutral stand-in for a card whose picture cannot be shown: the word's
// first letter, drawn large.
QImage placeholderPicture(const QString &word, QSize size);
