// Draws the bundled card set: one 273 x 217 picture per card from its emoji,
// and the card database that lists the cards in order.

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

QList<Card> readCards(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = file.errorString();
        return {};
    }
    QList<Card> cards;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2) {
            *error = QStringLiteral("bad line: %1").arg(line);
            return {};
        }
        cards.append({fields[0], fields[1]});
    }
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

bool writeDatabase(const QString &path, const QList<Card> &cards, QString *error)
{
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cardset"));
        db.setDatabaseName(temporary);
        if (!db.open()) {
            *error = db.lastError().text();
            return false;
        }
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("CREATE TABLE tblflashcards (cardname TEXT)"))) {
            *error = query.lastError().text();
            return false;
        }
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"));
        for (const Card &card : cards) {
            query.addBindValue(card.word);
            if (!query.exec()) {
                *error = query.lastError().text();
                return false;
            }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cardset"));
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        *error = QStringLiteral("cannot rename %1").arg(temporary);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: makecardset CARDS.tsv OUTPUT-FOLDER"));

    QString error;
    const QList<Card> cards = readCards(args[1], &error);
    if (cards.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(args[1], error.isEmpty() ? QStringLiteral("no cards") : error));

    const QDir out(args[2]);
    if (!out.mkpath(QStringLiteral("pictures")))
        return fail(QStringLiteral("cannot create %1/pictures").arg(out.path()));
    for (const Card &card : cards) {
        const QString path = out.filePath(QStringLiteral("pictures/%1.bmp").arg(card.word));
        if (!drawEmoji(card.emoji, QSize(273, 217)).save(path, "BMP"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    if (!writeDatabase(out.filePath(QStringLiteral("pomwit.mdb")), cards, &error))
        return fail(error);
    return 0;
}
