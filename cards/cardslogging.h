#pragma once

#include <QLoggingCategory>

// pomwit-cards' one logging category, "pomwit.cards".
Q_DECLARE_LOGGING_CATEGORY(lcCards)
