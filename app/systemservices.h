#pragma once

#include "formkit/services.h"

// The real system for the windows, with the card set in the given folder.
Services systemServices(const QString &applicationFolder);
