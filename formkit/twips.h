#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

// Window designs are measured in twips: 15 to a pixel at 96 dots per inch,
// which is one device-independent pixel in Qt.
constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}
