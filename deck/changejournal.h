#pragma once

#include "deck/cardsetlocation.h"
#include "deck/storeresult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class SqliteDatabase;

// Makes a change of the card set's pictures and rows all or nothing. A
// journal beside the database lists the files to put in place and the
// database's change number (its user_version) once done. The files are put in
// place (the old ones kept as hard links), the rows change and the change
// number rises in one transaction, and only then are old pictures deleted. A
// run cut off at any point is finished or undone by the next one, by whether
// the database holds the journal's change number.
class ChangeJournal
{
public:
    // A temporary file of the pictures folder to put in place under another
    // name, where the old file of that name waits under a backup name.
    struct Put
    {
        QString from;
        QString to;
        QString backup;
    };
    struct Plan
    {
        QList<Put> put;
        QStringList drop; // pictures that go once the change is in
    };

    // No database for an Access card set, which is never changed.
    ChangeJournal(const CardSetLocation &location, SqliteDatabase *database);

    // Puts the plan's files in place, runs the change (its transaction
    // already begun) and commits; undone on any failure.
    StoreResult<Done> apply(Plan plan, const std::function<StoreResult<Done>()> &change);
    // Finishes or undoes what an interrupted run left; says what it did, a
    // sentence each.
    StoreResult<QStringList> recover();
    // The files an interrupted run left behind.
    QStringList leftovers() const;

private:
    // Ends a plan forwards if it was committed, back if not.
    bool finish(const Plan &plan, bool committed);
    StoreResult<qint64> changeNumber() const;
    QString journalPath() const;

    CardSetLocation m_location;
    SqliteDatabase *m_database;
};
