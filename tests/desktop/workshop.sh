#!/usr/bin/env bash
# The card workshop end to end under a window manager and the accessibility
# bus (see screenreader.sh): a copy of the program on three cards, and two
# photos to add in the Pictures folder, where the file dialog opens.
# Usage: workshop.sh PROGRAM BUNDLED-DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/xsession.sh"
program=$1 bundled=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'end_session "$work"' EXIT
mkdir -p "$work/app/pictures" "$work/Pictures"
cp "$program" "$work/app/pomwit"
for word in apple ball cat; do
    cp "$bundled/pictures/$word.bmp" "$work/app/pictures/"
done
sqlite3 "$work/app/pomwit.mdb" \
    "CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES ('apple'), ('ball'), ('cat');"
convert -size 640x480 xc:green "$work/Pictures/kiwi.png"
convert -size 480x640 xc:yellow "$work/Pictures/lemon.png"

start_xvfb "$work"
# Sound that plays (no message about it in the keys' way), heard by a microphone.
"$here/../../tools/null-sink.sh" start "$work/sound" --microphone >/dev/null || fail "no sound server (pulseaudio)"
export PULSE_SERVER="unix:$work/sound/native"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work"
mkdir -m 700 "$XDG_RUNTIME_DIR"
timeout 120 dbus-run-session -- bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    trap "kill %1 %2 2>/dev/null" EXIT
    /usr/bin/python3 "$0" "$1"
' "$here/workshop.py" "$work/app" "$work/photos"
[ -f "$work/app/pictures/lime.bmp" ] && [ ! -e "$work/app/pictures/lemon.bmp" ] && [ -s "$work/app/pictures/apple.ogg" ] \
    || fail "the pictures folder does not hold lime and apple.ogg and no lemon: $(ls "$work/app/pictures")"
