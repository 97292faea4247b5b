# Shared by the desktop tests: a private X server, the program on it, and
# waits for its windows. Xvfb picks a free display itself (-displayfd), so
# these tests can run side by side.

xsession_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
xsession_cards="$xsession_root/assets/cards.tsv"
xvfb_pid=
program_pid=
program_log=

start_xvfb() { # work-dir [screen]
    command -v Xvfb >/dev/null || fail "Xvfb is not installed (tools/setup.sh --tests installs it)"
    command -v xdotool >/dev/null || fail "xdotool is not installed (tools/setup.sh --tests installs it)"
    local number_file="$1/display" log="$1/xvfb.log"
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "${2:-1280x1024x24}" -nolisten tcp 3>"$number_file" 2>"$log" &
    xvfb_pid=$!
    local tries=0
    until grep -q '[0-9]' "$number_file"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            cat "$log" >&2
            fail "Xvfb did not start"
        fi
        sleep 0.1
    done
    export DISPLAY=":$(tr -dc 0-9 <"$number_file")"
}

stop_xvfb() {
    stop_program
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
}

start_program() { # program log
    program_log=$2
    # The outer bound only matters if the test itself is killed before stop_program.
    QT_QPA_PLATFORM=xcb timeout --kill-after=5 300 "$1" >"$program_log" 2>&1 &
    program_pid=$!
}

stop_program() {
    [ -n "$program_pid" ] || return 0
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

# The first visible window whose title matches the pattern, if any.
visible_window() { # title-regex
    { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; } | head -n 1
}

show_state() {
    echo "--- program output ---" >&2
    cat "$program_log" >&2 || true
    echo "--- visible windows on $DISPLAY ---" >&2
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        echo "$id \"$(xdotool getwindowname "$id")\"" >&2
    done
}

# Waits up to the bound for a visible window whose title matches; prints its id.
wait_for_window() { # title-regex seconds
    local deadline=$((SECONDS + $2)) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        id=$(visible_window "$1")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if ! kill -0 "$program_pid" 2>/dev/null; then
            show_state
            fail "the program ended before a window titled /$1/ appeared"
        fi
        sleep 0.2
    done
    show_state
    fail "no window titled /$1/ appeared within $2 s"
}

# The program's own start: the main window, then Begin Flash Cards (the
# focused button) loads the first card from the card set. Had the program
# looked for its card set in the wrong folder, a message titled "Pomwit"
# would stand in the card window's place.
check_start_and_first_card() { # program work-dir
    start_program "$1" "$2/pomwit.log"
    local main
    main=$(wait_for_window '^Pomwit$' 30)
    echo "$1 showed its main window"
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool key --clearmodifiers space
    local deadline=$((SECONDS + 30)) card= message=
    while [ -z "$card" ]; do
        card=$(visible_window '^FlashCard')
        message=$({ xdotool search --onlyvisible --name '^Pomwit$' 2>/dev/null || true; } | grep -vx "$main" || true)
        if [ -n "$message" ]; then
            show_state
            fail "a message window came instead of the first card: the card set was not found"
        fi
        if [ "$SECONDS" -ge "$deadline" ] || ! kill -0 "$program_pid" 2>/dev/null; then
            show_state
            fail "the card window did not appear within 30 s of Begin Flash Cards"
        fi
        [ -n "$card" ] || sleep 0.2
    done
    # A message raised while the card loads may follow the card window.
    sleep 1
    if [ -n "$(visible_window '^Pomwit$')" ]; then
        show_state
        fail "a message window stands beside the card window"
    fi
    echo "$1 showed the first card"
    # The sound module is loaded beside the program at the first phrase, not at start.
    local maps="/proc/$(pgrep -P "$program_pid" -n)/maps" first
    ! grep -q libpomwit-sound "$maps" || fail "the sound module was loaded at start"
    first=$(grep -v '^#' "$xsession_cards" | head -1 | cut -c1)
    xdotool windowfocus --sync "$card" 2>/dev/null || true
    xdotool key --clearmodifiers "$first" && sleep 1
    grep -q "$(dirname "$(readlink -f "$1")")/libpomwit-sound.so" "$maps" || fail "the first phrase did not load the sound module"
    # A logout or a kill ends the program through its exit sequence, cleanly.
    kill -TERM "$program_pid"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status, not through its exit sequence"
}

# The picture area of the card window, from one screenshot of it.
card_picture() { # card-window out.png
    local top=$(($(xdotool getwindowgeometry --shell "$1" | awk -F= '/^HEIGHT/ { print $2 }') - 342 + 8))
    import -window "$1" "$2.window.png"
    convert "$2.window.png" -crop "273x217+0+$top" +repage "$2"
}

# Pixel for pixel.
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

# The long runs' sound: a null sink of their own where a sound server can run
# (without one the program says once that sound is not available).
start_null_sink() { # work-dir
    if "$xsession_root/tools/null-sink.sh" start "$1/sound" >/dev/null 2>&1; then
        export PULSE_SERVER="unix:$1/sound/native"
    else
        unset PULSE_SERVER
    fi
}

end_session() { # work-dir
    stop_xvfb
    "$xsession_root/tools/null-sink.sh" stop "$1/sound" >/dev/null 2>&1 || true
    rm -rf "$1"
}

# A long run's failure: why, what the program last said, and a screenshot.
fail_with_screenshot() { # screenshot program-log message
    echo "FAIL: $3" >&2
    { grep -F "no sound:" "$2"; tail -20 "$2"; } >&2 2>/dev/null || true
    import -window root "$1" 2>/dev/null || true
    exit 1
}
