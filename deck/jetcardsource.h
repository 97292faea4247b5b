#pragma once

#include "deck/cardsource.h"

#include <QString>

#include <memory>
#include <optional>

// A card database in the Access (Jet 3 or Jet 4) format.
std::unique_ptr<CardSource> makeJetCardSource(const QString &path);

// Every row of the card table of an Access file in its order, none where a
// row has no word (Access files tell an empty word from none no better).
StoreResult<QList<std::optional<QString>>> readJetRows(const QString &path);
