#pragma once

#include "base/result.h"

#include <QString>
#include <QStringList>

// What a card's word must be to be written: the program's rules for a word
// that names a picture, and what a file name needs.
namespace cardWords {

// The suffixes of a card's pictures: its bitmap and its large picture.
const QStringList &pictureSuffixes();

// The suffixes a card's recording is read under, in the order they are
// looked for; pomwit-cards and the workshop write the first.
const QStringList &recordingSuffixes();

// Whether the word can name picture files, and why not. Used for words
// already stored as well as for new ones.
Result<Done, QString> checkFileName(const QString &word);

// The same, plus what a word typed for a new card must not be: empty, or
// beginning with "-", or ending in a space (a space a grown-up cannot see),
// or holding an invisible formatting character (a direction mark, a
// zero-width space); the joiners that some scripts spell with are fine.
Result<Done, QString> checkNewWord(const QString &word);

// Whether two words would be two cards that the child cannot tell apart:
// they differ only in capitals.
bool lookAlike(const QString &a, const QString &b);
// What lookAlike() compares: equal for words that look alike.
QString lookAlikeKey(const QString &word);

// The word as it is stored: composed (NFC), so that one word typed on two
// keyboards is one card and names one picture file.
QString stored(const QString &word);

// Whether two stored words are one word written with different characters
// ("é" composed, or "e" and a combining accent).
bool differOnlyInForm(const QString &a, const QString &b);

} // namespace cardWords
