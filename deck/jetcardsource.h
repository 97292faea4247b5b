#pragma once

#include "deck/cardsource.h"

#include <QString>

#include <memory>

// A card database in the Access (Jet 3 or Jet 4) format.
std::unique_ptr<CardSource> makeJetCardSource(const QString &path);
