#pragma once

#include "deck/cardsetlocation.h"
#include "deck/storeresult.h"

#include <QList>

struct ConvertReport
{
    qint64 cards = 0;
    // Positions (from 0) of the Access rows without a word, left out.
    QList<qint64> leftOut;
};

// An Access card set turned into a SQLite one in its place, rows in the same
// order; the Access file is kept as pomwit.mdb.access.
class AccessConversion
{
public:
    static StoreResult<ConvertReport> run(const CardSetLocation &location);
};
