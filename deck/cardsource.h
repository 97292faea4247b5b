#pragma once

#include "deck/storeresult.h"

#include <QStringList>

#include <optional>

// One opening of the card database in one file format. Each object serves a
// single operation and lets go of the file when it is destroyed.
class CardSource
{
public:
    virtual ~CardSource() = default;

    // The card count query: "SELECT Count(*) AS Cnt FROM tblflashcards".
    virtual StoreResult<qint32> count() = 0;
    // The first row of the card words query, none for an empty table.
    virtual StoreResult<std::optional<QString>> firstCard() = 0;
    // The row at a zero-based position of the card words query.
    virtual StoreResult<QString> cardAt(qint32 position) = 0;
    // Every row of the card words query, in its order.
    virtual StoreResult<QStringList> words() = 0;
};
