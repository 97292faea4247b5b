#pragma once

// The longest recording a card may have, in seconds: longer ones are refused
// when attached and not played. Shared by the card set's writer, which
// checks without decoding, and the sound module, which decodes.
constexpr int maxRecordingSeconds = 15;
