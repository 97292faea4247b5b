#!/usr/bin/env bash
# Starts what a screen reader needs - an X server with a window manager, a
# session bus and the accessibility bus - and runs screenreader.py against
# copies of the built program: one on three cards, one without a card set.
# Usage: screenreader.sh PROGRAM BUNDLED-DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/xsession.sh"
program=$1 bundled=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
mkdir -p "$work/good/pictures" "$work/broken"
cp "$program" "$work/good/pomwit"
cp "$program" "$work/broken/pomwit"
for word in apple ball cat; do
    cp "$bundled/pictures/$word.bmp" "$work/good/pictures/"
done
sqlite3 "$work/good/pomwit.mdb" \
    "CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES ('apple'), ('ball'), ('cat');"

start_xvfb "$work"
export XDG_RUNTIME_DIR="$work/runtime" PULSE_SERVER="unix:$work/no-sound-server"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# dbus-run-session ends the session bus, the window manager and the
# accessibility bus with the test.
timeout 240 dbus-run-session -- bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    trap "kill %1 %2 2>/dev/null" EXIT
    /usr/bin/python3 "$0" "$1" "$2"
' "$here/screenreader.py" "$work/good" "$work/broken"
