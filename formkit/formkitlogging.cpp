#include "formkit/formkitlogging.h"

Q_LOGGING_CATEGORY(lcMessages, "pomwit.messages", QtInfoMsg)
