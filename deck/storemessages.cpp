#include "deck/storemessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace storeMessages {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("storeMessages", text);
}

} // namespace

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

StoreError make(StoreError::Kind kind, const QString &message)
{
    return StoreError{kind, message};
}

StoreError fromSqlite(const QString &path, int extendedCode, const QString &text)
{
    if (extendedCode == SQLITE_READONLY_ROLLBACK)
        return interruptedChange(path);
    if (text.contains(QLatin1String("no such table")))
        return noTable(path);
    if (text.contains(QLatin1String("no such column")))
        return noColumn(path);
    switch (extendedCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return locked(path);
    case SQLITE_NOTADB:
        return notADatabase(path);
    case SQLITE_CORRUPT:
        return damaged(path, text);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return notReadable(path, text);
    default:
        return failed(path, text);
    }
}

StoreError missing(const QString &path)
{
    return make(StoreError::Kind::Missing,
                tr("The card set cannot be found: there is no file \"%1\".\n\n"
                   "Put the card database pomwit.mdb back in the folder \"%2\", "
                   "or reinstall Pomwit to get the bundled cards.")
                    .arg(shown(path), shown(QFileInfo(path).absolutePath())));
}

StoreError notReadable(const QString &path, const QString &reason)
{
    return make(StoreError::Kind::NotReadable,
                tr("The card database \"%1\" cannot be opened (%2).\n\n"
                   "Check that your user may read the file and the folder it is in.")
                    .arg(shown(path), reason));
}

StoreError notARegularFile(const QString &path)
{
    return make(StoreError::Kind::NotADatabase,
                tr("\"%1\" is not a file but a folder or a special file, so it cannot be the card database.\n\n"
                   "Move it away and put the card database pomwit.mdb in its place.")
                    .arg(shown(path)));
}

StoreError emptyFile(const QString &path)
{
    return make(StoreError::Kind::NotADatabase,
                tr("The card database \"%1\" is empty (0 bytes).\n\n"
                   "Replace it with a copy of your card set.")
                    .arg(shown(path)));
}

StoreError notADatabase(const QString &path)
{
    return make(StoreError::Kind::NotADatabase,
                tr("\"%1\" is not a card database that Pomwit can read.\n\n"
                   "Replace it with your card set, saved as a SQLite or Access database "
                   "with the table tblflashcards.")
                    .arg(shown(path)));
}

StoreError damaged(const QString &path, const QString &reason)
{
    return make(StoreError::Kind::Damaged,
                tr("The card database \"%1\" is damaged (%2).\n\n"
                   "Replace it with a backup copy of your card set.")
                    .arg(shown(path), reason));
}

StoreError noTable(const QString &path)
{
    return make(StoreError::Kind::NoTable,
                tr("The card database \"%1\" has no table tblflashcards.\n\n"
                   "Add the table tblflashcards, with a text column cardname that holds one word per card.")
                    .arg(shown(path)));
}

StoreError noColumn(const QString &path)
{
    return make(StoreError::Kind::NoColumn,
                tr("The table tblflashcards in \"%1\" has no column cardname.\n\n"
                   "Add a text column cardname that holds one word per card.")
                    .arg(shown(path)));
}

StoreError locked(const QString &path)
{
    return make(StoreError::Kind::Locked,
                tr("The card database \"%1\" is locked by another program.\n\n"
                   "Save your changes in that program or close it, then try again.")
                    .arg(shown(path)));
}

StoreError interruptedChange(const QString &path)
{
    return make(StoreError::Kind::Damaged,
                tr("The card database \"%1\" was left half-changed by an interrupted change of the card set.\n\n"
                   "Run sudo pomwit-cards check to repair it, then try again.")
                    .arg(shown(path)));
}

StoreError noWord(const QString &path, qint64 position)
{
    return make(StoreError::Kind::NoWord,
                tr("Card %1 of \"%2\" has no word, so it cannot be shown.\n\n"
                   "Type a word in its cardname field in the table tblflashcards, or delete the row.")
                    .arg(position + 1)
                    .arg(shown(path)));
}

StoreError noCards(const QString &path)
{
    return make(StoreError::Kind::NoCards,
                tr("The card set \"%1\" has no cards yet.\n\n"
                   "Copy a picture into the pictures folder and add its name to the table tblflashcards.")
                    .arg(shown(path)));
}

StoreError failed(const QString &path, const QString &reason)
{
    return make(StoreError::Kind::Failed,
                tr("The card database \"%1\" could not be read (%2).\n\n"
                   "Check the file with your database program, or replace it with a copy of your card set.")
                    .arg(shown(path), reason));
}

StoreError unusableWord(const QString &path, const QString &word)
{
    return make(StoreError::Kind::UnusableWord,
                tr("The card \"%1\" has no picture: a card word may not contain \"/\" or \"\\\", nor be \".\" or "
                   "\"..\". Rename the card in the table tblflashcards of \"%2\".")
                    .arg(word, shown(path)));
}

} // namespace storeMessages
