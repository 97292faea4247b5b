#pragma once

#include <QString>

// The first character of a card word as stored: the key the child is to
// press and the letter the phrase begins with. A surrogate pair is one
// character.
inline QString firstCharacter(const QString &word)
{
    if (word.size() > 1 && word.at(0).isHighSurrogate() && word.at(1).isLowSurrogate())
        return word.left(2);
    return word.left(1);
}
