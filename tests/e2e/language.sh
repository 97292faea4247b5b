#!/usr/bin/env bash
# A German card set under a virtual X server, typed on a keyboard that has Ö:
# the key Ö reveals "Öl", and the phrase is heard on the sound server
# (recorded from the null sink's monitor: not silence).
# Usage: language.sh PROGRAM POMWIT-CARDS
source "$(dirname "$0")/../desktop/common.sh"
source "$(dirname "$0")/../desktop/xsession.sh"
program=$(realpath "$1") cards=$(realpath "$2") work=$(mktemp -d) recorder=
trap '[ -z "$recorder" ] || kill "$recorder" 2>/dev/null; end_session "$work"' EXIT
command -v parec >/dev/null || fail "parec is not installed (tools/setup.sh --tests installs pulseaudio-utils)"

# The program reads the card set beside itself: a copy of it, with one German card.
app="$work/app" && mkdir -p "$app/pictures"
cp "$program" "$(dirname "$program")/libpomwit-sound.so" "$app/"
cp "$(dirname "$program")/cardsets/de/pictures/Öl.bmp" "$app/pictures/"
sqlite3 "$app/pomwit.mdb" "CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES ('Öl')"
"$cards" --folder "$app" language de >/dev/null || fail "pomwit-cards could not set the card set's language"

start_xvfb "$work"
start_null_sink "$work"
[ -n "${PULSE_SERVER:-}" ] || fail "no sound server could be started to hear the phrase"
export LC_ALL=C.UTF-8
start_program "$app/pomwit" "$work/program.log"
xdotool windowfocus --sync "$(wait_for_window '^Pomwit$' 30)" key --clearmodifiers space
card=$(wait_for_window '^FlashCard$' 30)
xdotool windowfocus --sync "$card"

# The answer label, blank until the word is found.
answer() { # out.png
    local top=$(($(xdotool getwindowgeometry --shell "$card" | awk -F= '/^HEIGHT/ { print $2 }') - 342 + 224))
    import -window "$card" "$1.window.png"
    convert "$1.window.png" -crop "209x41+32+$top" +repage -colorspace Gray -format '%[fx:minima]' info:
}
blank=$(answer "$work/before.png")
parec --raw --format=s16le --rate=16000 --channels=1 -d pomwit_null.monitor >"$work/heard.raw" & recorder=$!
xdotool key Odiaeresis
# The loudest sample so far.
peak() { od -An -v -td2 -w2 "$work/heard.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'; }
deadline=$((SECONDS + 20))
until [ "$(peak)" -gt 2000 ]; do
    [ "$SECONDS" -lt "$deadline" ] || { show_state; fail "Ö was not followed by a phrase on the sound server"; }
    sleep 0.2
done
shown=$(answer "$work/after.png")
awk -v b="$blank" -v s="$shown" 'BEGIN { exit !(b > 0.9 && s < 0.3) }' \
    || fail "the answer label did not show the word (darkest grey $blank before Ö, $shown after)"
echo "Ö revealed the word and its phrase was heard (peak $(peak))"
