#include "deck/cardsetcheck.h"

#include "deck/cardsetfiles.h"
#include "deck/cardwords.h"
#include "deck/editmessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>

// The texts' context, which the translation tools take from the namespace:
// the one they had when the editor held them.
namespace cardSetEditor {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("cardSetEditor", text);
}

} // namespace

Result<Done, QString> asBundled(const Result<PictureFile, PictureFile::Error> &picture)
{
    using Kind = PictureFile::Error::Kind;
    if (!picture) {
        switch (picture.error().kind) {
        case Kind::OutsideFolder:
            return tr("it points outside the pictures folder");
        case Kind::Missing:
        case Kind::NotAFile:
            return tr("it is not a file");
        case Kind::Unreadable:
            break;
        }
        return picture.error().reason;
    }
    if (!picture->hasBitmapHeader())
        return tr("it is not a BMP file");
    if (picture->bitsPerPixel() != 24)
        return tr("it has %1 bits a pixel").arg(picture->bitsPerPixel());
    if (picture->isCompressed())
        return tr("it is compressed");
    const QSize size = picture->bitmapSize();
    if (size != QSize(PictureFile::cardWidth, PictureFile::cardHeight))
        return tr("it is %1 × %2 pixels").arg(size.width()).arg(size.height());
    if (picture->isCutShort())
        return tr("it is cut short");
    return Done{};
}

} // namespace cardSetEditor

CardSetCheck::CardSetCheck(const CardSetLocation &location)
    : m_location(location)
{
}

Result<Done, QString> CardSetCheck::asBundled(const Result<PictureFile, PictureFile::Error> &picture)
{
    return cardSetEditor::asBundled(picture);
}

QList<CardSetProblem> CardSetCheck::problems(const CardRows &rows) const
{
    QList<CardSetProblem> problems;
    QSet<QString> words;
    QHash<QString, qint64> forms; // each word's composed form, at its first row
    for (qint64 row = 0; row < rows.size(); ++row) {
        const CardRow &word = rows.at(row);
        if (!word || word->isEmpty()) {
            problems.append({row, editMessages::noWord(row, m_location.database())});
            continue;
        }
        words.insert(*word);
        const qint64 first = forms.value(cardWords::stored(*word), row);
        forms.insert(cardWords::stored(*word), first);
        if (const CardRow &other = rows.at(first); cardWords::differOnlyInForm(*other, *word))
            problems.append({row, editMessages::sameWordTwice(first, *other, row, *word)});
        if (const auto usable = cardWords::checkFileName(*word); !usable) {
            problems.append({row, editMessages::wordUnusable(row, *word, usable.error())});
            continue;
        }
        const QString path = m_location.picture(*word + QLatin1String(".bmp"));
        const auto picture = PictureFile::open(path, m_location.pictures());
        if (!picture && picture.error().kind == PictureFile::Error::Kind::Missing)
            problems.append({row, editMessages::noPicture(row, *word, path)});
        else if (const auto bundled = asBundled(picture); !bundled)
            problems.append({row, editMessages::wrongPicture(row, *word, path, bundled.error())});
    }
    const QDir pictures(m_location.pictures());
    for (const QString &name : pictures.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString suffix = name.mid(dot + 1);
        if (dot > 0 && !cardSetFiles::isLeftover(name)
            && (cardWords::pictureSuffixes().contains(suffix) || cardWords::recordingSuffixes().contains(suffix))
            && !words.contains(name.left(dot)))
            problems.append({-1, editMessages::pictureWithoutCard(pictures.filePath(name))});
    }
    return problems;
}
