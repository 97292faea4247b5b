// Draws the about window's picture from the bundled card set: the first four
// cards in a two-by-two grid, each with its word under it, 147 x 166 pixels.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "makeaboutpicture: %s\n", qPrintable(message));
    return 1;
}

struct Card
{
    QString word;
    QString emoji;
};

QList<Card> firstCards(const QString &path, qsizetype wanted)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Card> cards;
    QTextStream in(&file);
    while (!in.atEnd() && cards.size() < wanted) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 2)
            cards.append({fields[0], fields[1]});
    }
    return cards;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: makeaboutpicture CARDS.tsv OUTPUT.bmp"));

    const QList<Card> cards = firstCards(args[1], 4);
    if (cards.isEmpty())
        return fail(QStringLiteral("%1: no cards").arg(args[1]));

    const QSize size(147, 166);
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont emojiFont(QStringLiteral("Noto Color Emoji"));
    emojiFont.setPixelSize(44);
    QFont wordFont(QStringLiteral("Comic Neue"));
    wordFont.setPixelSize(15);
    wordFont.setBold(true);

    const int cellWidth = size.width() / 2;
    const int cellHeight = size.height() / 2;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const QRect cell(int(i % 2) * cellWidth, int(i / 2) * cellHeight, cellWidth, cellHeight);
        painter.setFont(emojiFont);
        painter.drawText(cell.adjusted(0, 4, 0, -22), Qt::AlignCenter, cards[i].emoji);
        painter.setFont(wordFont);
        painter.setPen(QColor(0x20, 0x40, 0x90));
        painter.drawText(cell.adjusted(0, cellHeight - 24, 0, -4), Qt::AlignCenter, cards[i].word);
    }
    painter.end();

    if (!image.save(args[2], "BMP"))
        return fail(QStringLiteral("cannot write %1").arg(args[2]));
    return 0;
}
