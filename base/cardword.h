#pragma once

#include <QString>
#include <QTextBoundaryFinder>

// The first character of a card word as stored: the key the child is to
// press and the letter the phrase begins with. It is what a reader takes for
// one letter: a base letter with its combining marks ("e" and a combining
// acute), a surrogate pair, an emoji sequence.
inline QString firstCharacter(const QString &word)
{
    if (word.isEmpty())
        return word;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, word);
    const qsizetype end = graphemes.toNextBoundary();
    return word.left(end > 0 ? end : 1);
}
