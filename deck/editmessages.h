#pragma once

#include "deck/storeresult.h"

#include <QString>

class CardSetLocation;
struct SqliteError;

// The messages of the writing half: each names the file or the card set and
// says what to do. Failures of a change also say that nothing was changed.
namespace editMessages {

StoreError badWord(const QString &word, const QString &reason);
StoreError wordExists(const QString &word, const QString &database);
StoreError wordTwice(const QString &word);
StoreError lookAlike(const QString &word, const QString &existing, const QString &database);
StoreError badPicture(const QString &word, const QString &reason);
StoreError noSuchCard(const QString &word, const QString &database);
StoreError severalRows(const QString &word, qint64 rows, const QString &database);
StoreError accessFile(const QString &database);
StoreError notAccessFile(const QString &database);
StoreError accessCopyExists(const QString &path);
StoreError notWritable(const QString &folder, const QString &reason);
StoreError busy(const QString &folder);
StoreError linkedTwice(const QString &link, const QString &target);
StoreError picturesElsewhere(const QString &pictures, const QString &database);
StoreError notWritten(const QString &path, const QString &reason);
StoreError notChanged(const QString &database, const QString &reason);
StoreError badRecording(const QString &word, const QString &reason);
StoreError noRecording(const QString &word);
StoreError notALanguage(const QString &text);
StoreError notSaved(const QString &folder, const QString &reason);
// The error for an SQLite result on the card set: the store's messages, plus
// a database the user may not change and, for a change, one that failed.
StoreError fromSqlite(const CardSetLocation &location, const SqliteError &error, bool changing);

// What was done about an interrupted earlier run.
QString finished(const QString &folder);
QString undone(const QString &folder);
QString removedLeftover(const QString &path);

// What check() finds.
QString leftover(const QString &path);
QString noWord(qint64 row, const QString &database);
QString wordUnusable(qint64 row, const QString &word, const QString &reason);
QString noPicture(qint64 row, const QString &word, const QString &path);
QString wrongPicture(qint64 row, const QString &word, const QString &path, const QString &detail);
QString pictureWithoutCard(const QString &path);
// Two cards whose words differ only in how their letters are encoded.
QString sameWordTwice(qint64 firstRow, const QString &first, qint64 row, const QString &word);

} // namespace editMessages
