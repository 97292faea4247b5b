#include "speech/phrasepatterns.h"

#include "base/cardword.h"
#include "base/languagetag.h"

namespace phrasePatterns {

namespace {

struct Row
{
    const char *language; // the language's code, without a region
    const char *pattern;
};

// One row a language. Translators: "%1" is the letter and stays first, "%2"
// the card's word; the joining word is what a parent says between them.
constexpr Row patterns[] = {
    {"en", "%1 for %2"},
    {"de", "%1 wie %2"},
    {"fr", "%1 comme %2"},
    {"es", "%1 de %2"},
    {"it", "%1 come %2"},
    {"nl", "%1 van %2"},
    {"pt", "%1 de %2"},
    {"pl", "%1 jak %2"},
    {"sv", "%1 som %2"},
};

constexpr auto withoutJoiningWord = "%1, %2";

} // namespace

QString patternFor(const QString &language)
{
    const QString code = languageTag::primary(language);
    for (const Row &row : patterns) {
        if (code == QLatin1String(row.language))
            return QString::fromUtf8(row.pattern);
    }
    return QString::fromUtf8(withoutJoiningWord);
}

QString phrase(const QString &word, const QString &language)
{
    // Both at once: a word holding "%1" stays as it is.
    return patternFor(language).arg(firstCharacter(word), word);
}

QString letterOf(const QString &phrase, const QString &language)
{
    const QString pattern = patternFor(language);
    const QString between = pattern.mid(2, pattern.indexOf(QLatin1String("%2")) - 2);
    const QString letter = firstCharacter(phrase);
    if (phrase.size() <= letter.size() || !QStringView(phrase).mid(letter.size()).startsWith(between))
        return {};
    return letter;
}

} // namespace phrasePatterns
