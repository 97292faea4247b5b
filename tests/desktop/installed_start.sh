#!/usr/bin/env bash
# Installs into a fresh prefix and starts the program through bin/pomwit: it
# must find its card set beside the real executable, through the link.
# Usage: installed_start.sh BUILD-DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/xsession.sh"
build_dir=$1

work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
prefix="$work/prefix"
timeout 120 cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log" >&2; fail "cmake --install failed"; }

start_xvfb "$work"
# Started from elsewhere, so that the working folder cannot stand in for the application folder.
cd "$work"
check_start_and_first_card "$prefix/bin/pomwit" "$work"
