#include "deck/cardwords.h"

#include <QCoreApplication>

namespace cardWords {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("cardWords", text);
}

// A picture's file name is the word and a four-byte suffix (".bmp").
constexpr qsizetype maxFileNameBytes = 255;
constexpr qsizetype suffixBytes = 4;
// Persian, Indic and emoji spellings need them.
constexpr char32_t zeroWidthNonJoiner = 0x200c;
constexpr char32_t zeroWidthJoiner = 0x200d;

} // namespace

const QStringList &pictureSuffixes()
{
    static const QStringList suffixes{QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpg"),
                                      QStringLiteral("svg")};
    return suffixes;
}

const QStringList &recordingSuffixes()
{
    static const QStringList suffixes{QStringLiteral("ogg"), QStringLiteral("opus"), QStringLiteral("flac"),
                                      QStringLiteral("wav"), QStringLiteral("mp3")};
    return suffixes;
}

Result<Done, QString> checkFileName(const QString &word)
{
    if (word.contains(QLatin1Char('/')) || word.contains(QLatin1Char('\\')))
        return tr("a word may not contain \"/\" or \"\\\"");
    if (word == QLatin1String(".") || word == QLatin1String(".."))
        return tr("a word may not be \".\" or \"..\"");
    for (const QChar c : word) {
        if (c.category() == QChar::Other_Control)
            return tr("a word may not contain control characters");
    }
    const QByteArray bytes = word.toUtf8();
    // A lone half of a surrogate pair has no file name that gives it back.
    if (QString::fromUtf8(bytes) != word)
        return tr("a word must be valid text");
    if (bytes.size() + suffixBytes > maxFileNameBytes)
        return tr("its picture's file name would be longer than 255 bytes");
    return Done{};
}

Result<Done, QString> checkNewWord(const QString &word)
{
    if (word.isEmpty())
        return tr("a word may not be empty");
    if (word.startsWith(QLatin1Char('-')))
        return tr("a word may not begin with \"-\"");
    if (word.back().isSpace())
        return tr("it ends with a space, which would become part of the picture's file name");
    for (const char32_t c : word.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Format && c != zeroWidthJoiner && c != zeroWidthNonJoiner)
            return tr("it holds the invisible formatting character U+%1")
                .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return checkFileName(word);
}

bool lookAlike(const QString &a, const QString &b)
{
    return lookAlikeKey(a) == lookAlikeKey(b);
}

QString lookAlikeKey(const QString &word)
{
    return word.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QString stored(const QString &word)
{
    return word.normalized(QString::NormalizationForm_C);
}

bool differOnlyInForm(const QString &a, const QString &b)
{
    return a != b && stored(a) == stored(b);
}

} // namespace cardWords
