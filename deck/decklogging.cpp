#include "deck/decklogging.h"

Q_LOGGING_CATEGORY(lcDeck, "pomwit.deck", QtInfoMsg)
