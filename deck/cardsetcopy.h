#pragma once

#include "deck/cardsetlocation.h"
#include "deck/storeresult.h"

#include <QString>

class SqliteDatabase;

// The card set as it is, kept whole before it is replaced: a new folder
// "cardset-" and today's date beside it (with "-2", "-3" on the same day)
// that holds a copy of the database and the pictures, and that pomwit-cards
// --folder can read.
class CardSetCopy
{
public:
    // Returns the folder's path; on failure nothing is left behind.
    static StoreResult<QString> keep(const CardSetLocation &location, const SqliteDatabase &database);
};
