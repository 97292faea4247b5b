#!/usr/bin/env bash
# The package's card set in /var/lib/pomwit: copied at installation, kept by
# updates (also from the old layout in /usr/lib/pomwit) and remove, deleted by
# purge. Run by tests/desktop/debian_package.sh, as root, on the package it
# built and installed; purges what it installed.
# Usage: debian_cardset.sh DEB
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
deb=$1
work=$(mktemp -d)
trap 'dpkg --purge pomwit >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
app=/usr/lib/pomwit cardset=/var/lib/pomwit

repack() { # version output [old-layout]: the same build as another version, or laid out as before
    rm -rf "$work/tree"
    dpkg-deb -R "$deb" "$work/tree"
    sed -i "s/^Version: .*/Version: $1/" "$work/tree/DEBIAN/control"
    if [ -n "${3:-}" ]; then
        rm "$work/tree$app/pomwit.mdb" "$work/tree$app/pictures" "$work/tree/DEBIAN/"{preinst,postinst,postrm}
        mv "$work/tree/usr/share/pomwit/"* "$work/tree$app/" && rmdir "$work/tree/usr/share/pomwit"
        (cd "$work/tree" && find usr -type f -exec md5sum {} + >DEBIAN/md5sums)
    fi
    dpkg-deb -b --root-owner-group "$work/tree" "$2" >/dev/null
}
install() { dpkg -i "$1" >"$work/log" 2>&1 || fail "dpkg -i $1: $(cat "$work/log")"; }
has_card() { pomwit-cards list | grep -qE "^ +[0-9]+  $1\$" && [ -f "$cardset/pictures/$1.bmp" ]; }
repack 99:0 "$work/newer.deb"
repack 0.1 "$work/old.deb" old-layout

install "$deb"
cmp -s "$cardset/pomwit.mdb" /usr/share/pomwit/pomwit.mdb || fail "the card set is not the bundled one"
[ "$(stat -c %a "$cardset/pomwit.mdb")" = 644 ] || fail "$cardset/pomwit.mdb is not 0644"
pomwit-cards add kangaroo /usr/share/pomwit/pictures/apple.bmp >/dev/null
# A family's own picture for apple; a drawing that went missing for cat.
pomwit-cards add --replace apple /usr/share/pomwit/pictures/ball.bmp >/dev/null
rm -f "$cardset/pictures/cat.svg"
install "$work/newer.deb"
has_card kangaroo || fail "the update lost the card kangaroo"
if [ -e /usr/share/pomwit/pictures/cat.svg ]; then
    cmp -s /usr/share/pomwit/pictures/cat.svg "$cardset/pictures/cat.svg" || fail "the update did not put cat.svg back"
    [ ! -e "$cardset/pictures/apple.svg" ] || fail "the update put a drawing beside the family's own apple"
fi
pomwit-cards check >/dev/null || fail "pomwit-cards check after the update: $(pomwit-cards check)"
dpkg -r pomwit >/dev/null
[ ! -e $app ] || fail "remove left $app"
sqlite3 $cardset/pomwit.mdb 'SELECT cardname FROM tblflashcards' | grep -qx kangaroo || fail "remove took the card"
dpkg --purge pomwit >/dev/null
[ ! -e $cardset ] || fail "purge left $cardset"

# A card added by hand to the old layout moves along.
install "$work/old.deb"
cp "$app/pictures/apple.bmp" "$app/pictures/kiwi.bmp"
sqlite3 "$app/pomwit.mdb" "INSERT INTO tblflashcards (cardname) VALUES ('kiwi')"
install "$deb"
[ "$(readlink $app/pictures)" = "$cardset/pictures" ] || fail "$app/pictures did not become the link"
[ ! -e "$app/pictures.dpkg-backup" ] || fail "the update left $app/pictures.dpkg-backup"
has_card kiwi || fail "the update lost the card kiwi"
pomwit-cards check >/dev/null || fail "pomwit-cards check after the change of layout: $(pomwit-cards check)"
echo "card set kept in $cardset across updates, remove and the change of layout"
