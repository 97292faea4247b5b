#!/usr/bin/env bash
# Installs into a fresh prefix and checks the layout file by file, the launcher
# link, the desktop file and the metainfo with their validators; then starts
# the program through bin/pomwit: it must find its card set and its sound
# module beside the real executable, through the link.
# Usage: install_layout.sh BUILD-DIR APP-ID VERSION BUNDLED-DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/xsession.sh"
build_dir=$1 app_id=$2 version=$3 bundled_dir=$4

work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
prefix="$work/prefix"
timeout 120 cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log" >&2; fail "cmake --install failed"; }

(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n') >"$work/files"
check_file_list "$work/files" "$app_id" "$bundled_dir"
if [ -n "$(find "$prefix/lib/pomwit/pictures" -mindepth 1 -type d)" ]; then
    fail "pictures/ holds folders"
fi

link="$prefix/bin/pomwit"
[ -L "$link" ] || fail "bin/pomwit is not a symbolic link"
[ "$(readlink "$link")" = "../lib/pomwit/pomwit" ] || fail "bin/pomwit points to $(readlink "$link"), not ../lib/pomwit/pomwit"
[ "$(readlink -f "$link")" = "$(readlink -f "$prefix/lib/pomwit/pomwit")" ] || fail "bin/pomwit does not resolve to the program"
[ -x "$prefix/lib/pomwit/pomwit" ] || fail "lib/pomwit/pomwit is not executable"
cmp -s "$bundled_dir/pomwit.mdb" "$prefix/lib/pomwit/pomwit.mdb" || fail "the installed pomwit.mdb is not the build's card set"
for binary in pomwit libpomwit-sound.so; do
    ! readelf -d "$prefix/lib/pomwit/$binary" | grep -E 'R(UN)?PATH' || fail "the installed $binary keeps a run path"
done

desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
echo "desktop-file-validate $desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop file"
echo "appstreamcli validate --no-net $metainfo"
timeout 60 appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# The three files name each other; a rename in one must reach the others.
grep -qx "Exec=pomwit" "$desktop" || fail "the desktop file does not start bin/pomwit"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop file's icon is not $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
check_policy "$prefix/share/polkit-1/actions/$app_id.policy" "$prefix/lib/pomwit/pomwit-cardset-helper" "$app_id"
echo "install layout OK"

start_xvfb "$work"
# Started from elsewhere, so that the working folder cannot stand in for the application folder.
cd "$work"
check_start_and_first_card "$prefix/bin/pomwit" "$work"
