#!/usr/bin/env bash
# Plays the built program for a long while under a virtual X server, with real
# key presses, and checks that the cards advance, that the only message is the
# reshuffle notice, that a card's picture is on screen, and that the program
# ends cleanly through File, Exit and does not grow.
# Usage: soak.sh PROGRAM ARTIFACTS-DIR [CARDS]
source "$(dirname "$0")/../desktop/common.sh"
source "$(dirname "$0")/../desktop/xsession.sh"
program=$(realpath "$1")
artifacts=$2
cards=${3:-500}
work=$(mktemp -d)
mkdir -p "$artifacts"
trap 'end_session "$work"' EXIT
fail() { fail_with_screenshot "$artifacts/soak-failure.png" "$work/program.log" "$*"; }

start_xvfb "$work"
start_null_sink "$work"
unset QT_LOGGING_RULES
start_program "$program" "$work/program.log"

wait_gone() {
    for _ in $(seq 200); do
        [ -z "$(visible_window "^$1\$")" ] && return 0
        sleep 0.05
    done
    return 1
}
# The program itself, under the timeout that start_program puts around it.
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$(pgrep -P "$program_pid" -n)/status"; }
alive() { kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(tail -5 "$program_log")"; }
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# Message boxes carry the program's title, like the main window: answer each
# with Enter. What they said is checked in the program's log afterwards.
answer_boxes() {
    local box
    for _ in $(seq 20); do
        box=$({ xdotool search --onlyvisible --name '^Pomwit$' 2>/dev/null || true; } | grep -vx "$main" | sort -n | tail -1 || true)
        [ -z "$box" ] && return 0
        focus "$box"
        xdotool key Return
        sleep 0.05
    done
}
start_cards() {
    focus "$main"
    xdotool key alt+b
    card=$(wait_for_window '^FlashCard$' 10)
    focus "$card"
}
# A notice may come up late, while speech plays: answer it and try again.
leave_cards() {
    for _ in $(seq 10); do
        answer_boxes
        focus "$card"
        xdotool key alt+x
        wait_gone FlashCard && return 0
    done
    fail "Exit did not close the card window"
}

main=$(wait_for_window '^Pomwit$' 30)
start=$(date +%s)
start_cards
letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z)
next_keys=(Escape ctrl+n alt+n)
for i in $(seq 1 "$cards"); do
    alive
    xdotool key "${letters[RANDOM % 26]}" "${letters[RANDOM % 26]}"
    [ $((i % 40)) -ne 0 ] || xdotool key alt+s
    xdotool key "${next_keys[i % 3]}"
    sleep 0.02
    answer_boxes
    if [ $((i % 125)) -eq 0 ] && [ "$i" -lt "$cards" ]; then
        leave_cards
        start_cards
    fi
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$card" ] || focus "$card"
    # Once warm: the sound module loaded, the card window reloaded once.
    if [ "$i" -eq 130 ]; then
        sleep 0.5
        rss_warm=$(rss_kb)
    fi
done
sleep 1
answer_boxes
import -window root "$artifacts/soak-cardwindow.png"
# The picture area of the card window must be one of the bundled pictures.
card_picture "$card" "$work/picture.png"
shown=""
for bundled in "$(dirname "$program")"/pictures/*.bmp; do
    same_picture "$work/picture.png" "$bundled" && shown=$(basename "$bundled" .bmp) && break
done
[ -n "$shown" ] || fail "the card window shows no bundled picture (see $artifacts/soak-cardwindow.png)"
rss_end=$(rss_kb)
alive

leave_cards
focus "$main"
xdotool key alt+f x
status=""
for _ in $(seq 200); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
        wait "$program_pid" && status=0 || status=$?
        break
    fi
    sleep 0.05
done
program_pid=
[ "$status" = 0 ] || fail "the program did not end cleanly after File, Exit (status ${status:-none}): $(tail -5 "$program_log")"

notice="All cards have been played.  Click OK to reshuffle the stack."
notices=$(grep -cF "message: $notice" "$program_log" || true)
others=$(grep "message: " "$program_log" | grep -vF "message: $notice" || true)
[ -n "${PULSE_SERVER:-}" ] || others=$(grep -vF "Sound is not available, so the words are shown but not spoken." <<<"$others" || true)
[ -z "$others" ] || fail "messages other than the reshuffle notice: $others"
# Every round of 26 draws ends in a notice; keys that land on an open box draw nothing.
[ "$notices" -ge $((cards / 26 / 2)) ] || fail "the cards did not advance: $notices notices after $cards draws"
growth=$(awk -v a="$rss_warm" -v b="$rss_end" 'BEGIN { printf "%.1f", (b - a) * 100 / a }')
echo "cards $cards, notices $notices, picture shown: $shown, RSS after 130 cards $rss_warm kB, at the end $rss_end kB (${growth} %), $(($(date +%s) - start)) s"
# AddressSanitizer holds freed memory in quarantine, so its growth says nothing.
if ! ldd "$program" | grep -q libasan; then
    awk -v a="$rss_warm" -v b="$rss_end" 'BEGIN { exit !(b <= a * 1.10) }' || fail "memory grew by ${growth} %"
fi
