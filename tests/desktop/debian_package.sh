#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its control data and its
# payload. With POMWIT_TEST_DEB_INSTALL=1 (CI, as root) it also installs the
# package with apt, starts /usr/bin/pomwit on a private X server, checks that
# the card set in /var/lib survives updates (tests/cards/debian_cardset.sh)
# and purges it.
# Usage: debian_package.sh BUILD-DIR APP-ID VERSION BUNDLED-DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/xsession.sh"
build_dir=$1 app_id=$2 version=$3 bundled_dir=$4

work=$(mktemp -d)
installed=
cleanup() {
    stop_xvfb
    if [ -n "$installed" ]; then
        timeout 120 dpkg --purge pomwit >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

timeout 240 cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$work"/out/pomwit_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single pomwit_*.deb: $(ls "$work/out")"
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

dpkg-deb -I "$deb" >"$work/info"
sed 's/^/  /' "$work/info"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pomwit ] || fail "the package is named $(field Package)"
[ "$(field Version)" = "$version" ] || fail "the package's version is $(field Version), not $version"
[ "$(field Section)" = education ] || fail "the package's section is $(field Section)"
[ -n "$(field Maintainer)" ] || fail "the package has no maintainer"
depends=$(field Depends)
# The package names alone, one a line, without versions.
dependency_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g')
# Computed by shlibdeps from the program's libraries (libqt6gui6 also brings
# the X11 platform plugin)...
for computed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libsqlite3-0 libespeak-ng1; do
    grep -qxF "$computed" <<<"$dependency_names" || fail "Depends lacks the computed $computed: $depends"
done
# ...and what the program loads at run time, which shlibdeps cannot see.
for runtime in espeak-ng-data libflite1 fonts-comic-neue fonts-liberation2 pkexec; do
    grep -qxF "$runtime" <<<"$dependency_names" || fail "Depends lacks $runtime: $depends"
done

# The payload: a stripped program, its link, and the card set's place.
dpkg-deb -c "$deb" >"$work/contents"
grep -q -E '^l.* \./usr/bin/pomwit -> \.\./lib/pomwit/pomwit$' "$work/contents" \
    || fail "the package's /usr/bin/pomwit is not a link to ../lib/pomwit/pomwit"
for name in pomwit.mdb pictures; do
    grep -q -E "^l.* \./usr/lib/pomwit/$name -> /var/lib/pomwit/$name\$" "$work/contents" \
        || fail "the package's $name is not a link into /var/lib/pomwit"
done
grep -q -E '^-rw-r--r-- .* \./usr/share/pomwit/pomwit\.mdb$' "$work/contents" || fail "no bundled card set in /usr/share/pomwit"
! grep -q ' \./var/' "$work/contents" || fail "the package ships files in /var"
dpkg-deb -x "$deb" "$work/root"
file -L "$work/root/usr/lib/pomwit/pomwit" | grep -q ', stripped' || fail "the packaged program is not stripped"
check_policy "$work/root/usr/share/polkit-1/actions/$app_id.policy" /usr/lib/pomwit/pomwit-cardset-helper "$app_id"

# Debian's own verdict; CI must have lintian, a developer may go without.
if command -v lintian >/dev/null; then
    timeout 300 lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings in the package"
elif [ -n "${CI:-}" ]; then
    fail "lintian is not installed"
fi

if [ "${POMWIT_TEST_DEB_INSTALL:-}" != 1 ]; then
    echo "package OK; set POMWIT_TEST_DEB_INSTALL=1 to install it with apt and start it"
    exit 0
fi
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root"
installed=yes
DEBIAN_FRONTEND=noninteractive timeout 300 apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log" >&2; fail "apt-get install of the package failed"; }
[ -L /usr/bin/pomwit ] && [ -x /usr/lib/pomwit/pomwit ] || fail "the package did not install /usr/bin/pomwit"
# The drawings lie beside the bundled cards, for full screen.
for drawing in /usr/share/pomwit/pictures/*.svg; do
    [ -e "$drawing" ] || continue
    cmp -s "$drawing" "/var/lib/pomwit/pictures/${drawing##*/}" || fail "the installation did not copy ${drawing##*/}"
done
if pgrep -x polkitd >/dev/null; then
    pkaction --verbose --action-id "$app_id.change-cards" | grep -q "auth_admin" || fail "polkit does not know $app_id.change-cards"
fi
start_xvfb "$work"
cd "$work"
check_start_and_first_card /usr/bin/pomwit "$work"
stop_xvfb
bash "$(dirname "$0")/../cards/debian_cardset.sh" "$deb"
# The card-set checks end with a purge; this one finds nothing left, or mends it.
timeout 120 dpkg --purge pomwit >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "dpkg --purge pomwit failed"; }
installed=
[ ! -e /usr/bin/pomwit ] && [ ! -e /usr/lib/pomwit ] && [ ! -e /var/lib/pomwit ] \
    || fail "the purge left /usr/bin/pomwit, /usr/lib/pomwit or /var/lib/pomwit behind"
echo "package installed, started and removed"
