#!/usr/bin/env bash
# Full-screen play under a virtual X server and a real window manager: F11,
# then random keys over the whole keyboard from fixed seeds (desktop chords,
# palms of neighbouring keys, keys held for seconds), clicks and wheel turns.
# The program must stay alive, full screen and alone on the screen, and not
# grow; then the grown-up's chord brings back the card window on the same card.
# Usage: fullscreen.sh PROGRAM ARTIFACTS-DIR [KEY-EVENTS] [SECONDS]
set -euo pipefail

program=$(realpath "$1")
artifacts=$2
wanted=${3:-20000}
budget=${4:-300}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
mkdir -p "$artifacts" && mkdir -m 700 "$work/runtime"

source "$source_dir/tests/desktop/xsession.sh"
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; end_session "$work"' EXIT
fail() { fail_with_screenshot "$artifacts/fullscreen-failure.png" "$work/program.log" "$*"; }
command -v openbox >/dev/null || fail "openbox is not installed (apt-get install openbox)"

start_xvfb "$work" 1280x800x24
openbox --sm-disable >"$work/openbox.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
start_null_sink "$work"

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_LOGGING_RULES
"$program" >"$work/program.log" 2>&1 &
app=$! && pids+=("$app")

find_window() { # title-regex
    local w
    for _ in $(seq 200); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$w" ] && { echo "$w"; return 0; }
        kill -0 "$app" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
main=$(find_window '^Pomwit$') || fail "the main window did not appear"
xdotool windowactivate --sync "$main" key space
card=$(find_window '^FlashCard$') || fail "the card window did not appear"
xdotool windowactivate --sync "$card" key F11
full=$(find_window '^Pomwit full screen$') || fail "F11 did not show the card full screen"
sleep 1
screen=$(xdotool getdisplaygeometry | tr ' ' x)
toplevels() { xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | wc -l; }
baseline=$(toplevels)
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
check() {
    kill -0 "$app" 2>/dev/null || fail "the program ended"
    local named geometry
    named=$(xdotool search --onlyvisible --name . 2>/dev/null | tr '\n' ' ')
    [ "$named" = "$full " ] || fail "another window is shown: $named"
    [ "$(toplevels)" -le "$baseline" ] || fail "a window without a name is shown (a menu?)"
    geometry=$(xdotool getwindowgeometry --shell "$full" | awk -F= '/WIDTH|HEIGHT/ { printf "%s%s", sep, $2; sep = "x" }')
    [ "$geometry" = "$screen" ] || fail "no longer full screen: $geometry"
    xprop -id "$full" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "no longer full screen"
}
check

keys=(a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9 F1 F2 F3 F4 F5 F6 F7 F8 F9 F10
    F11 F12 Tab space Return Escape BackSpace Delete Insert Home End Prior Next Up Down Left Right Print Menu
    Super_L Super_R Alt_L Alt_R Control_L Shift_L Caps_Lock minus equal bracketleft semicolon apostrophe comma
    period slash backslash grave KP_Enter XF86AudioPlay XF86AudioMute XF86AudioRaiseVolume XF86Back
    XF86Forward XF86HomePage XF86Search XF86Mail)
# Escape draws the next card: common enough that every run plays rounds through.
keys+=(Escape Escape Escape Escape Escape Escape Escape Escape Escape Escape Escape Escape)
chords=(alt+F4 alt+Tab alt+space ctrl+w ctrl+q ctrl+Escape ctrl+alt+BackSpace ctrl+alt+Delete super+d alt+F2
    ctrl+n ctrl+s ctrl+alt+F1 shift+F10 alt+f alt+x super+Tab ctrl+shift+Escape)
rows=(1234567890 qwertyuiop asdfghjkl zxcvbnm)
fast="--delay 2"
sent=0
rss_first=""
start=$SECONDS
seed=1
while [ "$sent" -lt "$wanted" ]; do
    [ $((SECONDS - start)) -lt "$budget" ] || fail "only $sent key events in $budget s"
    RANDOM=$seed
    batch=()
    for _ in $(seq 120); do
        kind=$((RANDOM % 100))
        if [ "$kind" -lt 70 ]; then
            k=${keys[RANDOM % ${#keys[@]}]}
            batch+=(keydown $fast "$k" keyup $fast "$k")
            sent=$((sent + 2))
        elif [ "$kind" -lt 85 ]; then
            IFS=+ read -ra parts <<<"${chords[RANDOM % ${#chords[@]}]}"
            for p in "${parts[@]}"; do batch+=(keydown $fast "$p"); done
            for ((i = ${#parts[@]} - 1; i >= 0; i--)); do batch+=(keyup $fast "${parts[i]}"); done
            sent=$((sent + 2 * ${#parts[@]}))
        elif [ "$kind" -lt 94 ]; then # a palm
            row=${rows[RANDOM % 4]}
            at=$((RANDOM % (${#row} - 3)))
            palm=$(echo "${row:at:3 + RANDOM % 2}" | sed 's/./& /g')
            for k in $palm; do batch+=(keydown $fast "$k"); done
            batch+=(sleep 0.0$((5 + RANDOM % 5)))
            for k in $palm; do batch+=(keyup $fast "$k"); done
            sent=$((sent + 2 * $(wc -w <<<"$palm")))
        elif [ "$kind" -lt 95 ] && [ $((RANDOM % 2)) -eq 0 ]; then # leaning on a key
            k=${keys[RANDOM % 26]}
            batch+=(keydown "$k" sleep $((1 + RANDOM % 2)) keyup "$k")
            sent=$((sent + 2))
        else
            batch+=(mousemove $((RANDOM % 1280)) $((RANDOM % 800)) click --delay 2 $((1 + RANDOM % 5)))
        fi
    done
    xdotool "${batch[@]}" 2>>"$work/xdotool.log" || true
    if [ -z "$rss_first" ] && grep -q "All cards have been played" "$work/program.log"; then
        rss_first=$(rss_kb)
    fi
    seed=$((seed + 1)) && check
done
elapsed=$((SECONDS - start)) && import -window root "$artifacts/fullscreen.png"
[ -n "$rss_first" ] || fail "no round of cards was played through"
rss_end=$(rss_kb) && rounds=$(grep -c "All cards have been played" "$work/program.log" || true)

# The grown-up's chord: nothing else pressed for a while, then held.
left=""
for _ in 1 2 3; do
    sleep 3
    xdotool keydown ctrl keydown shift keydown F12 sleep 2.6 keyup F12 keyup shift keyup ctrl
    left=$(find_window '^FlashCard$' 2>/dev/null) && break
done
[ -n "$left" ] || fail "the grown-up's chord did not leave full screen"
[ -z "$(xdotool search --onlyvisible --name '^Pomwit full screen$' || true)" ] || fail "full screen is still shown"
# The card window shows the card full screen had: the bitmap of that card.
position=$(sed -n 's/.*full screen left at card \([0-9]*\).*/\1/p' "$work/program.log" | tail -1)
word=$(grep -v '^#' "$source_dir/assets/cards.tsv" | sed -n "$((position + 1))p" | cut -f1)
sleep 0.5
card_picture "$left" "$work/picture.png"
same_picture "$work/picture.png" "$(dirname "$program")/pictures/$word.bmp" || fail "the card window does not show card $position ($word)"
growth=$(awk -v a="$rss_first" -v b="$rss_end" 'BEGIN { printf "%.1f", (b - a) * 100 / a }')
echo "key events $sent in ${elapsed} s, rounds $rounds, RSS after the first round ${rss_first} kB, at the end ${rss_end} kB (${growth} %), left on card $position ($word)"
if ldd "$program" | grep -q libasan; then
    echo "memory not checked: sanitizer build"
else
    awk -v a="$rss_first" -v b="$rss_end" 'BEGIN { exit !(b <= a * 1.10) }' || fail "memory grew by ${growth} %"
fi
