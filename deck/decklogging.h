#pragma once

#include <QLoggingCategory>

// The card store's one logging category, "pomwit.deck".
Q_DECLARE_LOGGING_CATEGORY(lcDeck)
