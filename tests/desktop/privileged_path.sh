#!/usr/bin/env bash
# The card workshop's privileged path for real: a card set owned by root with
# the helper beside it, the polkit action as built naming that helper, polkitd
# on the system bus (both started here when none runs), and three users made
# for the run whom a rule allows, refuses, or would have asked for a password
# with no agent running. Each changes the card set as the window does
# (tests/desktop/cardsetchanger.cpp), through runuser. Everything made here is
# removed again, also on failure. Needs root: skipped without it, unless
# POMWIT_TEST_POLKIT=1 (CI) makes that a failure.
# Usage: privileged_path.sh CHANGER HELPER BUILD-POLICY BUILD-HELPER-PATH APP-ID
source "$(dirname "$0")/common.sh"
changer=$1 helper=$2 build_policy=$3 build_helper=$4 app_id=$5
polkitd=/usr/lib/polkit-1/polkitd

skip() {
    [ "${POMWIT_TEST_POLKIT:-}" != 1 ] || fail "$1"
    echo "SKIP: $1"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "the privileged path needs root, to start polkitd and add users"
for tool in pkexec dbus-daemon dbus-send pkcheck "$polkitd" useradd runuser script sqlite3 convert; do
    command -v "$tool" >/dev/null || skip "$tool is missing (tools/setup.sh --tests installs it)"
done

action_file=/usr/share/polkit-1/actions/$app_id.policy
rule=/etc/polkit-1/rules.d/00-pomwit-test.rules
users=(pomwit-test-granted pomwit-test-refused pomwit-test-asked)
work=$(mktemp -d /tmp/pomwit-polkit.XXXXXX)
set=$work/cards
bus_pid='' polkitd_pid='' made_run_dbus='' action_written='' saved_action=''
cleanup() {
    set +e
    rm -f "$rule"
    if [ -n "$saved_action" ]; then
        mv -f "$saved_action" "$action_file"
    elif [ -n "$action_written" ]; then
        rm -f "$action_file"
    fi
    for user in "${users[@]}"; do
        id -u "$user" >/dev/null 2>&1 && userdel "$user"
    done
    [ -z "$polkitd_pid" ] || { kill "$polkitd_pid"; wait "$polkitd_pid"; }
    if [ -n "$bus_pid" ]; then
        kill "$bus_pid"
        wait "$bus_pid"
        rm -f /run/dbus/system_bus_socket
    fi
    [ -z "$made_run_dbus" ] || rmdir /run/dbus
    rm -rf "$work"
} 2>/dev/null
trap cleanup EXIT

# Waits up to 10 s for a command to succeed.
wait_until() {
    local _
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
has_polkit() {
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.PolicyKit1 | grep -q 'boolean true'
}

# Users for this run only; one left by a killed run goes first.
for user in "${users[@]}"; do
    ! id -u "$user" >/dev/null 2>&1 || userdel "$user"
    useradd --system --no-create-home --shell /bin/sh "$user"
done

# The card set, root's, with the helper beside it; its first card made here,
# where root's route is the in-process one.
chmod 755 "$work"
mkdir -m 755 "$set" "$set/pictures" "$work/bin"
install -m 755 "$helper" "$set/pomwit-cardset-helper"
install -m 755 "$changer" "$work/bin/cardset-changer"
convert -size 640x480 xc:green "$work/photo.jpg"
chmod 644 "$work/photo.jpg"
sqlite3 "$set/pomwit.mdb" "CREATE TABLE tblflashcards (cardname TEXT)"
chmod 644 "$set/pomwit.mdb"
[ "$("$work/bin/cardset-changer" "$set" add apple "$work/photo.jpg")" = "done" ] || fail "root could not add apple"

# The action as built, naming this helper instead of the build's.
if [ -e "$action_file" ]; then
    saved_action=$work/saved.policy
    cp -p "$action_file" "$saved_action"
fi
action_written=yes
sed "s|>$build_helper<|>$set/pomwit-cardset-helper<|" "$build_policy" >"$action_file"
chmod 644 "$action_file"
check_policy "$action_file" "$set/pomwit-cardset-helper" "$app_id"
cat >"$rule" <<RULE
polkit.addRule(function (action, subject) {
    if (action.id != "$app_id.change-cards")
        return polkit.Result.NOT_HANDLED;
    if (subject.user == "pomwit-test-granted")
        return polkit.Result.YES;
    if (subject.user == "pomwit-test-refused")
        return polkit.Result.NO;
    if (subject.user == "pomwit-test-asked")
        return polkit.Result.AUTH_ADMIN;
    return polkit.Result.NOT_HANDLED;
});
RULE
chmod 644 "$rule"

# pkexec is setuid and talks to the standard system bus only.
if [ ! -S /run/dbus/system_bus_socket ] || ! dbus-send --system --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.Peer.Ping 2>/dev/null; then
    [ -d /run/dbus ] || { mkdir -p /run/dbus && made_run_dbus=yes; }
    rm -f /run/dbus/system_bus_socket
    dbus-daemon --system --nofork --nopidfile --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
    bus_pid=$!
    wait_until grep -q unix: "$work/bus" || { cat "$work/bus.log" >&2; fail "dbus-daemon --system did not start"; }
fi
if ! has_polkit; then
    "$polkitd" --no-debug >"$work/polkitd.log" 2>&1 &
    polkitd_pid=$!
    wait_until has_polkit || { cat "$work/polkitd.log" >&2; fail "polkitd did not start"; }
fi
# A polkitd that was running already reads the new action and rule in a moment.
wait_until runuser -u pomwit-test-granted -- sh -c "exec pkcheck --action-id $app_id.change-cards --process \$\$" \
    || fail "polkitd does not grant $app_id.change-cards to pomwit-test-granted"

words() { sqlite3 "$set/pomwit.mdb" "SELECT group_concat(cardname, '|') FROM tblflashcards"; }
# Names, owners and modes of the card set's files, and what they hold.
state() { (cd "$set" && find . -printf '%p %u:%g %m\n' | sort && sha256sum pomwit.mdb pictures/*); }

change() { # user expected-output expected-cards expected-pictures changer-arguments...
    local user=$1 said=$2 cards=$3 pictures=$4 output
    shift 4
    local command=(runuser -u "$user" -- env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8
        "$work/bin/cardset-changer" "$set" "$@")
    # The one who would be asked has a terminal, as a program started from one
    # does: no password question may wait there, where nobody looks.
    if [ "$user" = pomwit-test-asked ]; then
        output=$(timeout 30 script -qec "${command[*]@Q} 2>$work/changer.log" /dev/null </dev/null | tr -d '\r') || true
    else
        output=$(timeout 30 "${command[@]}" 2>"$work/changer.log") || true
    fi
    [ "$output" = "$said" ] || { cat "$work/changer.log" >&2; fail "$user's $1 said: $output"; }
    [ "$(words)" = "$cards" ] || fail "after $user's $1 the cards are $(words), not $cards"
    [ "$(cd "$set/pictures" && echo *)" = "$pictures" ] \
        || fail "after $user's $1 the pictures are $(ls "$set/pictures"), not $pictures"
    local odd
    odd=$(find "$set" \( ! -user root -o ! -group root -o -type f ! -perm 644 ! -name pomwit-cardset-helper -o -type d ! -perm 755 \) -printf '%p ')
    [ -z "$odd" ] || fail "after $user's $1 these are not root's with modes 644 and 755: $odd"
}

change pomwit-test-granted "done" "apple|kangaroo" "apple.bmp apple.jpg kangaroo.bmp kangaroo.jpg" \
    add kangaroo "$work/photo.jpg"
change pomwit-test-granted "done" "apple|roo" "apple.bmp apple.jpg roo.bmp roo.jpg" rename kangaroo roo
change pomwit-test-granted "done" "apple" "apple.bmp apple.jpg" remove roo

before=$(state)
change pomwit-test-refused "The card set was not changed: permission was refused. A grown-up may allow it with their \
password, or make the change in a terminal: sudo pomwit-cards add WORD PICTURE" "apple" "apple.bmp apple.jpg" \
    add kangaroo "$work/photo.jpg"
change pomwit-test-asked "The card set was not changed: Pomwit could not ask for a grown-up's permission, as no \
permission dialog (polkit agent) is running. Make the change in a terminal instead: sudo pomwit-cards remove \"apple\"" \
    "apple" "apple.bmp apple.jpg" remove apple
[ "$(state)" = "$before" ] || fail "a refused change changed the card set: $(diff <(echo "$before") <(state))"
echo "privileged path OK"
