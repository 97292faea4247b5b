#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A card's recording: a file beside its picture in the pictures folder, named
// after the word, WORD.ogg as pomwit-cards and the workshop write it, or any
// of the recording suffixes for a file copied in by hand (the first found).
namespace recordingFile {

// No recording of at most 15 s is larger, even uncompressed at studio rates.
constexpr qint64 maxBytes = 32 * 1024 * 1024;

// The card's recording, if it has one; a word that cannot name a file has none.
std::optional<QString> find(const QString &picturesFolder, const QString &word);

// The file's bytes, read without blocking on a special file or following a
// link out of the folder; or why not, as a clause after the file's name
// ("it is not a file").
Result<QByteArray, QString> read(const QString &path, const QString &picturesFolder);

} // namespace recordingFile
