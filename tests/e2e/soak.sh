#!/usr/bin/env bash
# Plays the built program for a long while under a virtual X server, with real
# key presses and clicks, and checks that the cards advance, that the only
# message is the reshuffle notice, that a card's picture is on screen, and
# that the program ends cleanly and does not grow.
# Usage: soak.sh PROGRAM ARTIFACTS-DIR [CARDS]
set -euo pipefail

program=$(realpath "$1")
artifacts=$2
cards=${3:-500}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
mkdir -p "$artifacts"

app_pid=""
xvfb_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    "$source_dir/tools/null-sink.sh" stop "$work/sound" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$artifacts/soak-failure.png" 2>/dev/null || true
    fi
    exit 1
}

# A display nobody else uses.
display=""
for n in $(seq $((200 + $$ % 500)) 999); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=$n
        break
    fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
done
export DISPLAY=":$display"
xdotool getmouselocation >/dev/null 2>&1 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# Sound into a null sink where a sound server can run; without one the
# program says once that sound is not available, and that box is answered.
if "$source_dir/tools/null-sink.sh" start "$work/sound" >/dev/null 2>&1; then
    export PULSE_SERVER="unix:$work/sound/native"
    echo "sound: null sink"
else
    unset PULSE_SERVER
    echo "sound: none"
fi

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset QT_LOGGING_RULES
"$program" >"$work/program.log" 2>&1 &
app_pid=$!

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
wait_for() {
    local w
    for _ in $(seq 200); do
        w=$(visible "$1" | head -1)
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
wait_gone() {
    for _ in $(seq 200); do
        [ -z "$(visible "$1")" ] && return 0
        sleep 0.05
    done
    return 1
}
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program ended: $(tail -5 "$work/program.log")"; }

main=$(wait_for Pomwit) || fail "the main window did not appear"
boxes_answered=0
# Message boxes carry the program's title, like the main window: answer each
# with Enter. What they said is checked in the program's log afterwards.
answer_boxes() {
    local box
    for _ in $(seq 20); do
        # The newest box first: one opened over another blocks the one beneath.
        box=$(visible Pomwit | grep -vx "$main" | sort -n | tail -1 || true)
        [ -z "$box" ] && return 0
        xdotool windowfocus --sync "$box" 2>/dev/null || true
        xdotool key Return
        boxes_answered=$((boxes_answered + 1))
        sleep 0.05
    done
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || true; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# The height of a window's menu bar: its outer height less its designed client height.
menu_offset() {
    local height
    height=$(xdotool getwindowgeometry --shell "$1" | awk -F= '/^HEIGHT/ { print $2 }')
    echo $((height - $2))
}

# A reshuffle notice may come up late, while speech is still playing: answer
# it and try again until the card window has gone.
leave_cards() {
    for _ in $(seq 10); do
        answer_boxes
        focus "$card"
        xdotool key alt+x
        for _ in $(seq 20); do
            [ -z "$(visible FlashCard)" ] && return 0
            sleep 0.1
        done
    done
    return 1
}

start_cards() {
    focus "$main"
    xdotool key alt+b
    card=$(wait_for FlashCard) || fail "the card window did not appear"
    focus "$card"
}

open_options_and_import() {
    focus "$main"
    xdotool key alt+t o
    local options import offset
    options=$(wait_for Options) || fail "the options window did not appear"
    offset=$(menu_offset "$options" 213)
    click_at "$options" 180 $((40 + offset))
    import=$(wait_for "Import New Card Set") || fail "the import window did not appear"
    click_at "$import" 268 180
    wait_gone "Import New Card Set" || fail "the import window did not close"
    click_at "$options" 332 $((180 + offset))
    wait_gone Options || fail "the options window did not close"
    answer_boxes
}

open_about_from_cards() {
    focus "$card"
    xdotool key alt+h a
    local about
    about=$(wait_for "About Pomwit") || fail "the about window did not appear"
    click_at "$about" 418 243
    wait_gone "About Pomwit" || fail "the about window did not close"
    focus "$card"
}

start=$(date +%s)
open_options_and_import
start_cards
letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z)
next_keys=(Escape ctrl+n alt+n)
rss_after_50=""
for i in $(seq 1 "$cards"); do
    alive
    xdotool key "${letters[RANDOM % 26]}" "${letters[RANDOM % 26]}"
    if [ $((i % 40)) -eq 0 ]; then
        xdotool key alt+s
    fi
    xdotool key "${next_keys[i % 3]}"
    sleep 0.02
    answer_boxes
    if [ $((i % 125)) -eq 0 ] && [ "$i" -lt "$cards" ]; then
        # Back to the main window and in again; Options and About on the way.
        leave_cards || fail "Exit did not close the card window"
        wait_for Pomwit >/dev/null
        open_options_and_import
        start_cards
        open_about_from_cards
    fi
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$card" ] || focus "$card"
    if [ "$i" -eq 50 ]; then
        sleep 0.5
        rss_after_50=$(rss_kb)
    fi
done
sleep 0.5
answer_boxes
focus "$card"
xdotool key alt+s
sleep 1
answer_boxes
import -window root "$artifacts/soak-cardwindow.png"
# The picture area of the card window must be one of the bundled pictures.
import -window "$card" "$work/card.png"
picture_top=$(($(menu_offset "$card" 342) + 8))
convert "$work/card.png" -crop "273x217+0+$picture_top" +repage "$work/picture.png"
shown=""
for bundled in "$(dirname "$program")"/pictures/*.bmp; do
    differing=$(compare -metric AE "$work/picture.png" "$bundled" null: 2>&1 || true)
    [ "$differing" = 0 ] && shown=$(basename "$bundled" .bmp) && break
done
[ -n "$shown" ] || fail "the card window shows no bundled picture (see $artifacts/soak-cardwindow.png)"
rss_end=$(rss_kb)
alive

# Exit to the main window, then File, Exit.
leave_cards || fail "Exit did not close the card window"
focus "$main"
xdotool key alt+f x
status=""
for _ in $(seq 200); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        wait "$app_pid" && status=0 || status=$?
        break
    fi
    sleep 0.05
done
app_pid_done=$app_pid
app_pid=""
[ -n "$status" ] || { kill "$app_pid_done"; fail "the program did not end after File, Exit"; }
elapsed=$(($(date +%s) - start))
growth=$(awk -v a="$rss_after_50" -v b="$rss_end" 'BEGIN { printf "%.1f", (b - a) * 100 / a }')
notice="All cards have been played.  Click OK to reshuffle the stack."
notices=$(grep -cF "message: $notice" "$work/program.log" || true)
others=$(grep "message: " "$work/program.log" | grep -vF "message: $notice" || true)
if [ -z "${PULSE_SERVER:-}" ]; then
    others=$(grep -vF "Sound is not available, so the words are shown but not spoken." <<<"$others" || true)
fi
[ -z "$others" ] || fail "messages other than the reshuffle notice: $others"
# Every round of 26 draws ends in a notice; keys that land on an open box draw nothing.
[ "$notices" -ge $((cards / 26 / 2)) ] || fail "the cards did not advance: $notices notices after $cards draws"
echo "cards $cards, notices $notices, picture shown: $shown, Enter presses on message boxes $boxes_answered, RSS after 50 cards ${rss_after_50} kB, at the end ${rss_end} kB (${growth} %), exit status $status, ${elapsed} s"
[ "$status" -eq 0 ] || fail "exit status $status: $(tail -5 "$work/program.log")"
# AddressSanitizer holds freed memory in quarantine, so its growth says nothing.
if ldd "$program" | grep -q libasan; then
    echo "memory not checked: sanitizer build"
else
    awk -v a="$rss_after_50" -v b="$rss_end" 'BEGIN { exit !(b <= a * 1.10) }' || fail "memory grew by ${growth} %"
fi
echo "screenshot: $artifacts/soak-cardwindow.png"
