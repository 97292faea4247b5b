#!/usr/bin/env bash
# A grown-up's recording end to end: made by the recording engine from a
# microphone that hears the sink (record-take checks the take), attached with
# pomwit-cards, then heard on the card's right key in the real program: the
# sink's monitor holds the take's four tones, not the synthesised phrase.
# Usage: recordings.sh PROGRAM RECORD-TAKE ARTIFACTS-DIR
set -euo pipefail

program=$(realpath "$1")
record_take=$(realpath "$2")
artifacts=$3
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
mkdir -p "$artifacts" && mkdir -m 700 "$work/runtime"

source "$source_dir/tests/desktop/xsession.sh"
capture=
trap '[ -z "$capture" ] || kill "$capture" 2>/dev/null; end_session "$work"' EXIT
fail() { fail_with_screenshot "$artifacts/recordings-failure.png" "$work/program.log" "$*"; }

"$source_dir/tools/null-sink.sh" start "$work/sound" --microphone >/dev/null || fail "no sound server (pulseaudio)"
export PULSE_SERVER="unix:$work/sound/native" LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/runtime"
QT_QPA_PLATFORM=offscreen "$record_take" "$work/take.ogg" || fail "the take is not the sound played"

# A copy of the program beside a card set of its own, whose first card gets the take.
app="$work/app"
bin=$(dirname "$program")
mkdir "$app" && cp -r "$program" "$bin/libpomwit-sound.so" "$bin/pomwit-cards" "$bin/pomwit.mdb" "$bin/pictures" "$app/"
word=$(grep -v '^#' "$source_dir/assets/cards.tsv" | head -1 | cut -f1)
"$app/pomwit-cards" sound "$word" "$work/take.ogg" >/dev/null || fail "pomwit-cards did not attach the take"

start_xvfb "$work"
start_program "$app/pomwit" "$work/program.log"
main=$(wait_for_window '^Pomwit$' 30)
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --clearmodifiers space
card=$(wait_for_window '^FlashCard$' 30)
parec --device=pomwit_null.monitor --rate=16000 --channels=1 --format=s16le --raw "$work/heard.raw" &
capture=$!
xdotool windowfocus --sync "$card" 2>/dev/null || true
xdotool key --clearmodifiers "${word:0:1}"

# The take's tones, each in its turn, in 20 ms frames that one of them fills.
heard_tones() {
    python3 - "$work/heard.raw" <<'PY'
import math, struct, sys
data = open(sys.argv[1], 'rb').read()
samples = struct.unpack('<%dh' % (len(data) // 2), data[:len(data) // 2 * 2])
tones, frame, labels = [440, 660, 880, 1100], 320, []
for start in range(0, len(samples) - frame, frame):
    chunk = samples[start:start + frame]
    energy = sum(x * x for x in chunk) or 1
    powers = []
    for f in tones:
        k, s1, s2 = 2 * math.cos(2 * math.pi * f / 16000), 0.0, 0.0
        for x in chunk:
            s1, s2 = x + k * s1 - s2, s1
        powers.append(s1 * s1 + s2 * s2 - k * s1 * s2)
    best = max(range(4), key=powers.__getitem__)
    labels.append(best if energy > frame * 300 ** 2 and powers[best] > 0.25 * frame * energy else None)
runs = [t for i, t in enumerate(labels) if t is not None and labels[i:i + 8] == [t] * 8 and (i == 0 or labels[i - 1] != t)]
sys.exit(0 if runs == [0, 1, 2, 3] else 1)
PY
}
deadline=$((SECONDS + 15))
until heard_tones; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the right key did not play the card's recording"
    sleep 0.5
done
echo "the right key played the recording made from the microphone"
