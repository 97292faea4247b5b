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
lib/pomwit/pomwit-cardset-helper
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
share/polkit-1/actions/$1.policy
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

# The polkit action: valid against polkit's DTD where it is installed, and
# what it allows: a grown-up's password for an active session, nothing else,
# for the helper at the given path.
check_policy() { # policy-file helper-path app-id
    local dtd=/usr/share/polkit-1/policyconfig-1.dtd
    if [ -f "$dtd" ]; then
        xmllint --noout --dtdvalid "$dtd" "$1" || fail "$1 is not valid against $dtd"
    else
        xmllint --noout "$1" || fail "$1 is not well-formed XML"
    fi
    policy_value() { xmllint --xpath "string(/policyconfig/action[@id='$3.change-cards']/$1)" "$2"; }
    [ "$(policy_value defaults/allow_any "$1" "$3")" = no ] || fail "$1: allow_any is not no"
    [ "$(policy_value defaults/allow_inactive "$1" "$3")" = no ] || fail "$1: allow_inactive is not no"
    [ "$(policy_value defaults/allow_active "$1" "$3")" = auth_admin ] || fail "$1: allow_active is not auth_admin"
    [ "$(policy_value "annotate[@key='org.freedesktop.policykit.exec.path']" "$1" "$3")" = "$2" ] \
        || fail "$1 does not name the helper $2"
}
