#pragma once

#include "deck/cardstore.h"

#include <QString>

// A card database in the Access (Jet 3 or Jet 4) format, read through
// libmdb's table interface: libmdb's SQL layer does not accept the card
// queries as written, so the table is read row by row in its stored order,
// which is the order of the card words query.
class JetCardReader
{
public:
    // Every row, none where a row has no word (Access files tell an empty
    // word from none no better).
    static StoreResult<CardRows> rows(const QString &path);
};
