#pragma once

#include <QLoggingCategory>

// The window framework's category, "pomwit.messages": every message a parent
// sees is also in the log.
Q_DECLARE_LOGGING_CATEGORY(lcMessages)
