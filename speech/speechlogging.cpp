#include "speech/speechlogging.h"

Q_LOGGING_CATEGORY(lcSpeech, "pomwit.speech", QtInfoMsg)
