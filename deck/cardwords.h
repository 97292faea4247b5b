#pragma once

#include <QString>
#include <QStringList>

// What a card's word must be to be written: the program's rules for a word
// that names a picture, and what a file name needs.
namespace cardWords {

// The suffixes of a card's pictures: its bitmap and its large picture.
const QStringList &pictureSuffixes();

// Why the word cannot name picture files, or nothing. Used for words already
// stored as well as for new ones.
QString fileNameProblem(const QString &word);

// The same, plus what a word typed for a new card must not be: empty, or
// beginning with "-", or ending in a space (a space a grown-up cannot see).
QString newWordProblem(const QString &word);

} // namespace cardWords
