#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A card set's language as a tag: "de", "pt-BR". Written as people type it
// ("pt_br", "DE") and as the speech engine names it ("pt-br"), it is compared
// in one spelling.
namespace languageTag {

// The language of a card set that names none.
inline QString fallback()
{
    return QStringLiteral("en");
}

// "pt-BR" for "pt_br": the language in lower case, a region in upper case, a
// script capitalised; empty for text that is no language tag.
inline QString canonical(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{1,8})*$"));
    if (!tag.match(text).hasMatch())
        return {};
    QStringList parts = text.split(QRegularExpression(QStringLiteral("[-_]")));
    parts[0] = parts[0].toLower();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString &part = parts[i];
        if (part.size() == 2)
            part = part.toUpper();
        else if (part.size() == 4)
            part = part.left(1).toUpper() + part.mid(1).toLower();
        else
            part = part.toLower();
    }
    return parts.join(QLatin1Char('-'));
}

// "pt" for "pt-BR".
inline QString primary(const QString &tag)
{
    return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// Whether a voice of one language can speak the other: the regions may differ.
inline bool sameLanguage(const QString &a, const QString &b)
{
    return !a.isEmpty() && primary(a) == primary(b);
}

} // namespace languageTag
