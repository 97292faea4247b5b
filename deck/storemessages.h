#pragma once

#include "deck/storeresult.h"

// The card store's messages: each names the file and says what to do.
namespace storeMessages {

// A path as the user's system writes it.
QString shown(const QString &path);
StoreError make(StoreError::Kind kind, const QString &message);
// The error for an SQLite result (its extended code and message) on the card
// database at path; failed() for results that name no known fault.
StoreError fromSqlite(const QString &path, int extendedCode, const QString &text);

StoreError missing(const QString &path);
StoreError notReadable(const QString &path, const QString &reason);
StoreError notARegularFile(const QString &path);
StoreError emptyFile(const QString &path);
StoreError notADatabase(const QString &path);
StoreError damaged(const QString &path, const QString &reason);
StoreError noTable(const QString &path);
StoreError noColumn(const QString &path);
StoreError locked(const QString &path);
StoreError interruptedChange(const QString &path);
StoreError noWord(const QString &path, qint64 position);
StoreError noCards(const QString &path);
StoreError failed(const QString &path, const QString &reason);
// A word that cannot name a picture file of the pictures folder.
StoreError unusableWord(const QString &path, const QString &word);

} // namespace storeMessages
