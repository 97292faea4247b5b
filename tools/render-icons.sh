#!/usr/bin/env bash
# Renders the icons' PNGs from their SVG sources in assets/icons/. Run it by hand
# after editing an SVG and commit the PNGs: the build only reads the PNGs.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../assets/icons"

render() { # svg size out
    rsvg-convert --width "$2" --height "$2" "$1" --output "$3"
}

# The windows' icons: 16 colours (transparency counted as one) and an on/off
# mask, so that they keep the crisp look of the small originals.
sixteen() { # svg size out
    local tmp
    tmp=$(mktemp --suffix=.png)
    render "$1" "$2" "$tmp"
    convert "$tmp" -channel A -threshold 50% +channel -dither None -colors 16 \
        -strip -define png:exclude-chunks=date,time "PNG8:$3"
    rm -f "$tmp"
}

# The smallest size has its own pixel-grid drawing; a scaled-down apple blurs its letter.
for size in 16 32 48 64 128 256; do
    source=pomwit.svg
    [ "$size" -gt 16 ] || source=pomwit-small.svg
    render "$source" "$size" "hicolor/pomwit-$size.png"
done

sixteen pomwit-small.svg 16 pomwit-16.png
sixteen pomwit.svg 32 pomwit-32.png
for name in options import; do
    sixteen "$name.svg" 16 "$name-16.png"
    sixteen "$name.svg" 32 "$name-32.png"
done

for png in pomwit-16.png pomwit-32.png options-16.png options-32.png import-16.png import-32.png; do
    colours=$(identify -format '%k' "$png")
    [ "$colours" -le 16 ] || { echo "$png has $colours colours" >&2; exit 1; }
done
echo "Rendered the icons in $(pwd)"
