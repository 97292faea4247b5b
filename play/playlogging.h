#pragma once

#include <QLoggingCategory>

// The play library's one logging category.
Q_DECLARE_LOGGING_CATEGORY(lcPlay)
