# Shared by the desktop tests' scripts.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# What an installation must hold under its prefix, besides the pictures.
expected_files() { # app-id
    cat <<LIST
bin/pomwit
bin/pomwit-cards
lib/pomwit/libpomwit-sound.so
lib/pomwit/pomwit
lib/pomwit/pomwit-cards
share/bash-completion/completions/pomwit-cards
share/man/man1/pomwit-cards.1.gz
lib/pomwit/pomwit.mdb
share/applications/$1.desktop
share/doc/pomwit/changelog.gz
share/doc/pomwit/copyright
share/icons/hicolor/128x128/apps/$1.png
share/icons/hicolor/16x16/apps/$1.png
share/icons/hicolor/256x256/apps/$1.png
share/icons/hicolor/32x32/apps/$1.png
share/icons/hicolor/48x48/apps/$1.png
share/icons/hicolor/64x64/apps/$1.png
share/icons/hicolor/scalable/apps/$1.svg
share/man/man6/pomwit.6.gz
share/metainfo/$1.metainfo.xml
LIST
}

# Checks that a file list (paths relative to the prefix, one a line, links
# included) is the expected set plus exactly the build's pictures.
check_file_list() { # list-file app-id bundled-dir
    local expected
    expected=$(mktemp)
    {
        expected_files "$2"
        (cd "$3/pictures" && ls -1 -- *.bmp *.svg 2>/dev/null) | sed 's|^|lib/pomwit/pictures/|'
        (cd "$3/cardsets" && find . -name pomwit.mdb -o -name '*.bmp' -o -name '*.svg') | sed 's|^\./|share/pomwit/cardsets/|'
    } | LC_ALL=C sort >"$expected"
    if ! diff -u "$expected" <(LC_ALL=C sort "$1") >&2; then
        rm -f "$expected"
        fail "the installed files differ from the expected layout (- expected, + installed)"
    fi
    rm -f "$expected"
}
