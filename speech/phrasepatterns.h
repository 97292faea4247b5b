#pragma once

#include <QString>

// How a card's phrase goes in each language: the word's first letter, the
// language's joining word, the word ("a for apple", "A wie Apfel"). The
// patterns sit in one table in phrasepatterns.cpp; a language without a row
// says the letter and the word with a pause between.
namespace phrasePatterns {

// The pattern of a language tag ("de", "pt-BR"): %1 the letter, which comes
// first, %2 the word.
QString patternFor(const QString &language);

// The phrase of a card word: its first character as stored, in the pattern.
QString phrase(const QString &word, const QString &language);

// The letter a phrase of the language begins with; empty for a text that is
// no such phrase.
QString letterOf(const QString &phrase, const QString &language);

} // namespace phrasePatterns
