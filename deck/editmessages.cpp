#include "deck/editmessages.h"

#include "deck/cardsetlocation.h"
#include "deck/sqlitedatabase.h"
#include "deck/storemessages.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace editMessages {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("editMessages", text);
}

} // namespace

using storeMessages::make;
using storeMessages::shown;

StoreError badWord(const QString &word, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("\"%1\" cannot be a card's word: %2. Type the word again without it.").arg(word, reason));
}

StoreError wordExists(const QString &word, const QString &database)
{
    return make(StoreError::Kind::Failed,
                tr("There is already a card \"%1\" in \"%2\": add --replace to change its picture, "
                   "or choose another word.")
                    .arg(word, shown(database)));
}

StoreError wordTwice(const QString &word)
{
    return make(StoreError::Kind::Failed,
                tr("The card \"%1\" is already being added from another picture: give each picture its own word.")
                    .arg(word));
}

StoreError lookAlike(const QString &word, const QString &existing, const QString &database)
{
    return make(StoreError::Kind::Failed,
                tr("There is already a card \"%1\" in \"%2\", which differs from \"%3\" only in capitals, so the "
                   "child could not tell the two apart: choose another word, or change that card's picture with "
                   "pomwit-cards add --replace \"%1\" PICTURE.")
                    .arg(existing, shown(database), word));
}

StoreError badPicture(const QString &word, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("The pictures for the card \"%1\" were refused (%2), so nothing was changed: add the picture "
                   "again.")
                    .arg(word, reason));
}

StoreError noSuchCard(const QString &word, const QString &database)
{
    return make(StoreError::Kind::NoSuchPosition,
                tr("There is no card \"%1\" in \"%2\": pomwit-cards list shows the cards there are.")
                    .arg(word, shown(database)));
}

StoreError severalRows(const QString &word, qint64 rows, const QString &database)
{
    return make(StoreError::Kind::Failed,
                tr("The card \"%1\" is stored %2 times in \"%3\": add --all to remove every one of them.")
                    .arg(word)
                    .arg(rows)
                    .arg(shown(database)));
}

StoreError accessFile(const QString &database)
{
    return make(StoreError::Kind::Failed,
                tr("\"%1\" is an Access card database, which pomwit-cards does not change: run pomwit-cards "
                   "convert to turn it into a SQLite one first (the Access file is kept as pomwit.mdb.access).")
                    .arg(shown(database)));
}

StoreError notAccessFile(const QString &database)
{
    return make(StoreError::Kind::Failed,
                tr("\"%1\" is already a SQLite card database: there is nothing to convert.").arg(shown(database)));
}

StoreError accessCopyExists(const QString &path)
{
    return make(StoreError::Kind::Failed,
                tr("\"%1\" is in the way of the Access file's copy: move it elsewhere, then convert again.")
                    .arg(shown(path)));
}

StoreError notWritable(const QString &folder, const QString &reason)
{
    return make(StoreError::Kind::NotReadable,
                tr("The card set in \"%1\" cannot be changed by your user (%2): run the command with sudo, "
                   "or as the folder's owner.")
                    .arg(shown(folder), reason));
}

StoreError busy(const QString &folder)
{
    return make(StoreError::Kind::Locked,
                tr("Another pomwit-cards is changing the card set in \"%1\": wait until it has finished, then "
                   "try again.")
                    .arg(shown(folder)));
}

StoreError linkedTwice(const QString &link, const QString &target)
{
    return make(StoreError::Kind::NotReadable,
                tr("\"%1\" is a link to \"%2\", which is a link again: point \"%1\" straight at the card set.")
                    .arg(shown(link), shown(target)));
}

StoreError picturesElsewhere(const QString &pictures, const QString &database)
{
    return make(StoreError::Kind::NotReadable,
                tr("The pictures folder \"%1\" is not beside the card database \"%2\": keep both in one folder "
                   "(links to that folder are fine).")
                    .arg(shown(pictures), shown(database)));
}

StoreError notWritten(const QString &path, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("\"%1\" could not be written (%2), so nothing was changed: check the free space and the "
                   "folder's permissions, then try again.")
                    .arg(shown(path), reason));
}

StoreError notChanged(const QString &database, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("The card database \"%1\" could not be changed (%2), so nothing was changed: check the free "
                   "space, or check the file with pomwit-cards check.")
                    .arg(shown(database), reason));
}

StoreError badRecording(const QString &word, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("The recording for the card \"%1\" cannot be used (%2), so nothing was changed: record it again.")
                    .arg(word, reason));
}

StoreError noRecording(const QString &word)
{
    return make(StoreError::Kind::Failed, tr("The card \"%1\" has no recording to remove.").arg(word));
}

StoreError notALanguage(const QString &text)
{
    return make(StoreError::Kind::Failed,
                tr("\"%1\" is not a language code: give one such as de, fr, es or pt-BR.").arg(text));
}

StoreError notSaved(const QString &folder, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("The card set could not be kept in \"%1\" (%2), so nothing was changed: check the free space, "
                   "then try again.")
                    .arg(shown(folder), reason));
}

StoreError fromSqlite(const CardSetLocation &location, const SqliteError &error, bool changing)
{
    if ((error.code & 0xff) == SQLITE_READONLY && error.code != SQLITE_READONLY_ROLLBACK)
        return notWritable(location.folder(), error.text);
    StoreError store = storeMessages::fromSqlite(location.database(), error.code, error.text);
    if (changing && store.kind == StoreError::Kind::Failed)
        return notChanged(location.database(), error.text);
    return store;
}

QString finished(const QString &folder)
{
    return tr("An interrupted change of the card set in \"%1\" was finished.").arg(shown(folder));
}

QString undone(const QString &folder)
{
    return tr("An interrupted change of the card set in \"%1\" was undone.").arg(shown(folder));
}

QString removedLeftover(const QString &path)
{
    return tr("Removed \"%1\", left over from an interrupted run.").arg(shown(path));
}

QString leftover(const QString &path)
{
    return tr("\"%1\" is left over from an interrupted run: run sudo pomwit-cards check to clean it up.")
        .arg(shown(path));
}

QString noWord(qint64 row, const QString &database)
{
    return tr("Card %1 has no word: delete it with sqlite3 \"%2\" \"DELETE FROM tblflashcards WHERE cardname "
              "IS NULL OR cardname = ''\".")
        .arg(row + 1)
        .arg(shown(database));
}

QString wordUnusable(qint64 row, const QString &word, const QString &reason)
{
    return tr("Card %1, \"%2\", cannot have a picture: %3. Give it another word with pomwit-cards rename.")
        .arg(row + 1)
        .arg(word, reason);
}

QString noPicture(qint64 row, const QString &word, const QString &path)
{
    return tr("Card %1, \"%2\", has no picture \"%3\": add one with pomwit-cards add --replace.")
        .arg(row + 1)
        .arg(word, shown(path));
}

QString wrongPicture(qint64 row, const QString &word, const QString &path, const QString &detail)
{
    return tr("Card %1, \"%2\": \"%3\" is not a readable 273 × 217 24-bit BMP picture (%4): replace it with "
              "pomwit-cards add --replace.")
        .arg(row + 1)
        .arg(word, shown(path), detail);
}

QString pictureWithoutCard(const QString &path)
{
    return tr("\"%1\" belongs to no card: add its card with pomwit-cards add, or delete it.").arg(shown(path));
}

QString sameWordTwice(qint64 firstRow, const QString &first, qint64 row, const QString &word)
{
    return tr("Cards %1 and %2, \"%3\" and \"%4\", are one word written with different characters: remove one "
              "of them with pomwit-cards remove, copying its word from pomwit-cards list.")
        .arg(firstRow + 1)
        .arg(row + 1)
        .arg(first, word);
}

} // namespace editMessages
