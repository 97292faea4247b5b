#!/usr/bin/env bash
# Starts the built program at twice the normal scale, as on a high-density
# desktop, and keeps screenshots of its main and card windows as artefacts.
# Usage: scaled_screenshots.sh BUILD-DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/xsession.sh"
build_dir=$1
artifacts="$build_dir/artifacts"
mkdir -p "$artifacts"

work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
start_xvfb "$work"
export QT_SCALE_FACTOR=2
start_program "$build_dir/bin/pomwit" "$work/pomwit.log"

main=$(wait_for_window '^Pomwit$' 30)
sleep 0.5
import -window "$main" "$artifacts/main-window-2x.png"
size_of() { # window
    xdotool getwindowgeometry --shell "$1" | awk -F= '/WIDTH/ {w = $2} /HEIGHT/ {h = $2} END {print w, h}'
}
read -r width height < <(size_of "$main")
# The inside is 310 x 169 at the normal scale, so at least twice that now.
[ "$width" -ge 620 ] && [ "$height" -ge 338 ] || fail "the main window is ${width}x${height} at 2x"

xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --clearmodifiers space
card=$(wait_for_window '^FlashCard$' 30)
sleep 1
import -window "$card" "$artifacts/card-window-2x.png"
read -r width height < <(size_of "$card")
[ "$width" -ge 554 ] && [ "$height" -ge 684 ] || fail "the card window is ${width}x${height} at 2x"
echo "screenshots at 2x: $artifacts/main-window-2x.png $artifacts/card-window-2x.png"
