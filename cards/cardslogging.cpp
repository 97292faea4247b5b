#include "cards/cardslogging.h"

Q_LOGGING_CATEGORY(lcCards, "pomwit.cards", QtInfoMsg)
