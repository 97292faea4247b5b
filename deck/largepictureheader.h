#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QSize>
#include <QString>

// The large picture of a card, looked at before anything decodes it: that it
// begins as a JPEG or a PNG does and that its header's size is at most
// largeSide on either side. The privileged side checks only this much and
// never decodes a picture.
namespace largePictureHeader {

constexpr int largeSide = 2048;

// The picture's size, or why it is not a large picture a card may have.
Result<QSize, QString> check(const QByteArray &bytes, const QString &suffix);

} // namespace largePictureHeader
