// Draws a bundled card set: one 273 x 217 picture per card from its emoji,
// and the card database that lists the cards in order, in its language when
// --language names one. Given the folder of a vector emoji set (one SVG a
// character, named by its code points in hex), each card is drawn from it and
// its drawing is kept beside the bitmap as WORD.svg, sharp at any size;
// without one, from the colour emoji font.

#include "base/result.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

struct Card
{
    QString word;
    QString emoji;
};

int fail(const QString &message)
{
    std::fprintf(stderr, "makecardset: %s\n", qPrintable(message));
    return 1;
}

Result<QList<Card>, QString> readCards(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return file.errorString();
    QList<Card> cards;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2)
            return QStringLiteral("bad line: %1").arg(line);
        // Stored composed, as pomwit-cards stores a typed word.
        cards.append({fields[0].normalized(QString::NormalizationForm_C), fields[1]});
    }
    if (cards.isEmpty())
        return QStringLiteral("no cards");
    return cards;
}

QImage drawEmoji(const QString &emoji, QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(size.height() * 7 / 10);
    painter.setFont(font);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, emoji);
    return image;
}

constexpr QSize cardSize(273, 217);
// The emoji's height on the card.
constexpr double emojiShare = 0.7;

// "1f34e" for the apple; the variation selector is not part of a file's name.
QString emojiFileName(const QString &emoji)
{
    QStringList points;
    for (const char32_t point : emoji.toUcs4()) {
        if (point != 0xfe0f)
            points << QString::number(point, 16);
    }
    return points.join(QLatin1Char('-')) + QStringLiteral(".svg");
}

// The emoji's drawing placed on a white card: one SVG of the card's proportions.
Result<QByteArray, QString> cardDrawing(const QString &emojiFolder, const QString &emoji)
{
    QFile file(QDir(emojiFolder).filePath(emojiFileName(emoji)));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    const QByteArray svg = file.readAll();
    const QSvgRenderer emojiRenderer(svg);
    const QRectF box = emojiRenderer.viewBoxF();
    const qsizetype open = svg.indexOf("<svg");
    const qsizetype start = open < 0 ? -1 : svg.indexOf('>', open);
    const qsizetype end = svg.lastIndexOf("</svg>");
    if (!emojiRenderer.isValid() || box.isEmpty() || start < 0 || end < start)
        return QStringLiteral("%1: not an SVG drawing").arg(file.fileName());
    const double side = cardSize.height() * emojiShare;
    const double scale = side / qMax(box.width(), box.height());
    const double x = (cardSize.width() - box.width() * scale) / 2 - box.x() * scale;
    const double y = (cardSize.height() - box.height() * scale) / 2 - box.y() * scale;
    return QByteArray(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\">"
                          "<rect width=\"%1\" height=\"%2\" fill=\"#fff\"/>"
                          "<g transform=\"translate(%3 %4) scale(%5)\">")
               .arg(cardSize.width())
               .arg(cardSize.height())
               .arg(x, 0, 'f', 3)
               .arg(y, 0, 'f', 3)
               .arg(scale, 0, 'f', 5)
               .toUtf8()
        + svg.mid(start + 1, end - start - 1) + "</g></svg>\n");
}

QImage drawSvg(const QByteArray &drawing, QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(drawing).render(&painter);
    return image;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

Result<Done, QString> fillDatabase(QSqlDatabase &db, const QList<Card> &cards, const QString &language)
{
    if (!db.open())
        return db.lastError().text();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TABLE tblflashcards (cardname TEXT)")))
        return query.lastError().text();
    db.transaction();
    query.prepare(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"));
    for (const Card &card : cards) {
        query.addBindValue(card.word);
        if (!query.exec())
            return query.lastError().text();
    }
    // The table the card store reads the language from.
    if (!language.isEmpty()) {
        const bool made = query.exec(QStringLiteral("CREATE TABLE tblcardset (name TEXT PRIMARY KEY, value TEXT)"))
                          && query.prepare(QStringLiteral("INSERT INTO tblcardset (name, value) VALUES ('language', ?)"));
        if (made)
            query.addBindValue(language);
        if (!made || !query.exec())
            return query.lastError().text();
    }
    db.commit();
    return Done{};
}

Result<Done, QString> writeDatabase(const QString &path, const QList<Card> &cards, const QString &language)
{
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    Result<Done, QString> filled = Done{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cardset"));
        db.setDatabaseName(temporary);
        filled = fillDatabase(db, cards, language);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cardset"));
    if (!filled)
        return filled;
    QFile::remove(path);
    if (!QFile::rename(temporary, path))
        return QStringLiteral("cannot rename %1").arg(temporary);
    return Done{};
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QStringList args = application.arguments();
    QString language;
    if (args.size() > 2 && args[1] == QLatin1String("--language")) {
        language = args[2];
        args.remove(1, 2);
    }
    if (args.size() != 3 && args.size() != 4)
        return fail(QStringLiteral("usage: makecardset [--language LANG] CARDS.tsv OUTPUT-FOLDER [EMOJI-SVG-FOLDER]"));

    const auto read = readCards(args[1]);
    if (!read)
        return fail(QStringLiteral("%1: %2").arg(args[1], read.error()));
    const QList<Card> &cards = read.value();
    const QString emojiFolder = args.size() == 4 ? args[3] : QString();
    if (!emojiFolder.isEmpty() && !QFileInfo(emojiFolder).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(emojiFolder));

    const QDir out(args[2]);
    if (!out.mkpath(QStringLiteral("pictures")))
        return fail(QStringLiteral("cannot create %1/pictures").arg(out.path()));
    for (const Card &card : cards) {
        const QString stem = out.filePath(QStringLiteral("pictures/%1").arg(card.word));
        // A drawing left from an earlier build would outlive its card.
        QFile::remove(stem + QStringLiteral(".svg"));
        QImage picture;
        if (emojiFolder.isEmpty()) {
            picture = drawEmoji(card.emoji, cardSize);
        } else {
            const auto drawing = cardDrawing(emojiFolder, card.emoji);
            if (!drawing)
                return fail(drawing.error());
            if (!writeFile(stem + QStringLiteral(".svg"), drawing.value()))
                return fail(QStringLiteral("cannot write %1.svg").arg(stem));
            picture = drawSvg(drawing.value(), cardSize);
        }
        if (!picture.save(stem + QStringLiteral(".bmp"), "BMP"))
            return fail(QStringLiteral("cannot write %1.bmp").arg(stem));
    }
    if (const auto written = writeDatabase(out.filePath(QStringLiteral("pomwit.mdb")), cards, language); !written)
        return fail(written.error());
    return 0;
}
