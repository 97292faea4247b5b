#include "play/playlogging.h"

Q_LOGGING_CATEGORY(lcPlay, "pomwit.play", QtInfoMsg)
