#pragma once

// Real pictures made at run time, and pomwit-cards run as a user runs it.

#include "testsupport.h"

#include "deck/cardstore.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>

namespace cardstest {

// 200 x 100, a colour a quarter: red, green above; blue, yellow below.
inline QImage quarters()
{
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i)
        painter.fillRect(i % 2 * 100, i / 2 * 50, 100, 50, colours[i]);
    return image;
}

// A JPEG as a camera writes it: an EXIF block with the orientation (one
// big-endian entry, tag 0x0112), and a comment standing for the place.
inline QByteArray cameraJpeg(QImage image, int orientation)
{
    image.setText(QStringLiteral("Description"), QStringLiteral("GPS 51.5N 0.1W"));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    QByteArray exif("\xff\xe1\0\x22" "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 29);
    return jpeg.left(2) + exif + char(orientation) + QByteArray(6, '\0') + jpeg.mid(2);
}

// "a|b|c" as a list, to keep tables short.
inline QStringList names(const char *list) { return QString::fromUtf8(list).split(u'|', Qt::SkipEmptyParts); }

using testsupport::writeFile;

struct Run { int status = -1; QString out, err; };

inline Run runCards(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(POMWIT_CARDS), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The card words as the program reads them at its next draw.
inline QStringList cardWords(const QString &folder)
{
    const auto cards = CardStore(folder).snapshot();
    if (!cards)
        return {cards.error().message};
    QStringList words;
    for (const CardRow &row : *cards->rows)
        words << row.value_or(QStringLiteral("(none)"));
    return words;
}

} // namespace cardstest
