#!/usr/bin/env bash
# Installs what Pomwit needs from Debian, then configures and builds it.
# Usage: tools/setup.sh [--tests] BUILD-DIR [extra cmake arguments]
# Without --tests only the program and its card set are built; with it, the
# test tools are installed too and everything is built.
set -euo pipefail
cd "$(dirname "$0")/.."

with_tests=false
if [ "${1:-}" = "--tests" ]; then
    with_tests=true
    shift
fi

packages=(
    build-essential cmake ninja-build pkg-config libxcb1-dev
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins
    qt6-multimedia-dev libqt6multimedia6 qt6-svg-dev libqt6svg6 libgl-dev
    libespeak-ng-dev espeak-ng-data flite1-dev libflite1
    mdbtools-dev libglib2.0-dev
    libsqlite3-dev sqlite3 libpulse-dev qt6-image-formats-plugins libsndfile1-dev libebur128-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-noto-color-emoji fonts-comic-neue fonts-dejavu-core fonts-liberation2
    pkexec
)
test_packages=(
    xvfb xauth xdotool x11-utils imagemagick librsvg2-bin
    pulseaudio pulseaudio-utils
    desktop-file-utils appstream dpkg-dev file lintian
    python3-pyatspi at-spi2-core openbox dbus-x11 dbus-daemon pocketsphinx pocketsphinx-en-us
    libxml2-utils polkitd dbus-bin dbus-system-bus-common passwd
)
$with_tests && packages+=("${test_packages[@]}")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The bundled cards are drawn from vector emoji when npm can fetch them (into a
# cache, never into the tree); without them, from the emoji font.
if command -v npm >/dev/null; then
    npm install --prefix "${XDG_CACHE_HOME:-$HOME/.cache}/pomwit/npm" --no-save --no-package-lock --no-audit \
        --no-fund --silent @twemoji/svg@15.0.0 || echo "Card pictures: drawn from the emoji font"
fi

build_dir="$1"
shift
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja "$@"
elif [ $# -gt 0 ]; then
    cmake -S . -B "$build_dir" "$@" >/dev/null
fi
targets=()
$with_tests || targets=(--target pomwit)
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
