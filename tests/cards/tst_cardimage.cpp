// A card's two pictures made from real image files: turned upright, fitted on
// white, kept large without metadata. (Files that are no picture: tst_pomwitcards.)

#include "cardstest.h"

#include "deck/cardimage.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

// Writes the input file into the folder and returns its path.
using Maker = std::function<QString(const QString &folder)>;
Q_DECLARE_METATYPE(Maker)

namespace {

Maker file(const QString &name, const QByteArray &bytes)
{
    return [name, bytes](const QString &folder) {
        return cardstest::writeFile(folder + u'/' + name, bytes) ? folder + u'/' + name : QString();
    };
}

// A picture of one colour with a rectangle of another, saved as the name says.
Maker drawn(const QString &name, QSize size, QImage::Format format, QColor background, QRect rect, QColor colour)
{
    return [=](const QString &folder) {
        QImage image(size, format);
        image.fill(background);
        QPainter(&image).fillRect(rect, colour);
        return image.save(folder + u'/' + name) ? folder + u'/' + name : QString();
    };
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40
        && qAbs(a.alpha() - b.alpha()) < 40;
}

} // namespace

class TestCardImage : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
};

void TestCardImage::pictures_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QSize>("largeSize");
    QTest::addColumn<QString>("suffix");
    // The large picture's colours near its top left and top right corners.
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("topRight");

    const QSize wide(200, 100), tall(100, 200);
    const QColor red(Qt::red), green(Qt::green), blue(Qt::blue), yellow(Qt::yellow), clear(Qt::transparent);
    // EXIF's orientations 1 to 8: as stored, mirrored, upside down, flipped,
    // transposed, turned right, transversed, turned left.
    const QColor corners[8][2] = {{red, green}, {green, red}, {yellow, blue}, {blue, yellow},
                                  {red, blue},  {blue, red},  {yellow, green}, {green, yellow}};
    for (int orientation = 1; orientation <= 8; ++orientation)
        QTest::addRow("orientation %d", orientation)
            << file(u"photo.jpg"_s, cardstest::cameraJpeg(cardstest::quarters(), orientation))
            << (orientation < 5 ? wide : tall) << "jpg" << corners[orientation - 1][0] << corners[orientation - 1][1];
    QTest::newRow("transparent PNG: a PNG, white behind it on the card")
        << drawn(u"t.png"_s, {300, 200}, QImage::Format_ARGB32, clear, {100, 50, 100, 100}, red)
        << QSize(300, 200) << "png" << clear << clear;
    // Grey, a byte a pixel, keeps the test's own copy small.
    QTest::newRow("12,000 x 9,000 JPEG: decoded at a fraction, within the allocation limit")
        << drawn(u"huge.jpg"_s, {12000, 9000}, QImage::Format_Grayscale8, Qt::white, {0, 0, 6000, 9000}, Qt::black)
        << QSize(2048, 1536) << "jpg" << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("2,400 x 1,800 JPEG: as large as full screen allows, not halved")
        << drawn(u"photo.jpg"_s, {2400, 1800}, QImage::Format_Grayscale8, Qt::white, {0, 0, 1200, 1800}, Qt::black)
        << QSize(2048, 1536) << "jpg" << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("SVG: drawn at full-screen size")
        << file(u"s.svg"_s, "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'><rect width='20' "
                            "height='20' fill='red'/><rect x='20' width='20' height='20' fill='blue'/></svg>")
        << QSize(2048, 1024) << "jpg" << red << blue;
}

void TestCardImage::pictures()
{
    QFETCH(Maker, make);
    QFETCH(QSize, largeSize);
    QFETCH(QString, suffix);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, topRight);
    QTemporaryDir dir;
    const auto images = makeCardImages(make(dir.path()));
    QVERIFY2(images.ok(), qPrintable(images.ok() ? QString() : images.error()));
    QCOMPARE(images->largeSuffix, suffix);
    const QImage large = QImage::fromData(images->large);
    QCOMPARE(large.size(), largeSize);
    const QColor left = large.pixelColor(large.width() / 10, large.height() / 10);
    const QColor right = large.pixelColor(large.width() * 9 / 10, large.height() / 10);
    QVERIFY2(near(left, topLeft) && near(right, topRight), qPrintable(left.name() + u' ' + right.name()));
    // Nothing of what the camera wrote.
    QVERIFY(!images->large.contains("Exif") && !images->large.contains("51.5N"));

    // The card bitmap: 273 x 217, 24-bit, uncompressed, the picture centred
    // on white without distortion.
    const QByteArray &bmp = images->bitmap;
    QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
    QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 30), quint32(0));
    const QImage bitmap = QImage::fromData(bmp, "BMP");
    QCOMPARE(bitmap.size(), QSize(273, 217));
    const QSize inside = largeSize.scaled(273, 217, Qt::KeepAspectRatio);
    const int marginX = (273 - inside.width()) / 2, marginY = (217 - inside.height()) / 2;
    if (marginX > 2)
        QCOMPARE(bitmap.pixelColor(marginX / 2, 108), QColor(Qt::white));
    if (marginY > 2)
        QCOMPARE(bitmap.pixelColor(136, marginY / 2), QColor(Qt::white));
    const QColor corner = bitmap.pixelColor(marginX + 5, marginY + 5);
    QVERIFY(near(corner, suffix == u"png"_s ? QColor(Qt::white) : topLeft));
}

QTEST_MAIN(TestCardImage)
#include "tst_cardimage.moc"
