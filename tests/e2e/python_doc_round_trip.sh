#!/usr/bin/env bash
# A real site nobody here wrote, there and back: the python3.11-doc pages upgraded
# with every commit option but Category, then the menus removed. Every page keeps
# its visible text through both, every upgraded page served by nginx carries the
# menu, the pages left under their old names are exactly those the summary lists
# as skipped, and nothing but the pages, the _ folder and the backups changes.
# Usage: python_doc_round_trip.sh WEBKESTRANE
source "$(dirname "$0")/lib.sh"
WK=$1
SITE=$WORK/site
cp -r /usr/share/doc/python3.11/html "$SITE" && mkdir "$WORK/settings" || exit 1
wk() { "$WK" --app-folder "$WORK/settings" "$@"; }
{ wk boilerplate set www.python.test "Python Software Foundation" "Docs" "PSF 2023" "$SITE" &&
  wk options set --commit 11110 --filter html &&
  wk menu add menu Library www.python.test/library/index.html &&
  wk menu add item "os" www.python.test/library/os.html; } >/dev/null || exit 1
mapfile -t PAGES < <(cd "$SITE" && find . -name '*.html' | sed 's|^\./||' | sort)

# A committed page's name: everything after the first dot becomes .shtml.
shtml_name() { local base=${1##*/}; echo "${1%"$base"}${base%%.*}.shtml"; }
# The checksum of every file under FOLDER, by path.
sums() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sed 's|  \./|  |'); }
# The plain text of every page, under its old name or else its .shtml name.
texts() {
    local page path
    for page in "${PAGES[@]}"; do
        path=$SITE/$page; [ -e "$path" ] || path=$SITE/$(shtml_name "$page")
        echo "$page $(wk plaintext "$path" | sha256sum)"
    done
}
same() { diff -q "$WORK/$1" "$WORK/$2" >/dev/null || { diff "$WORK/$1" "$WORK/$2" | head -n 10; return 1; }; }
# Whether every path that changed from sums file BEFORE to AFTER is under _/ or in the file ALLOWED.
only_changed() {
    local stray
    stray=$(diff "$WORK/$1" "$WORK/$2" | sed -n 's/^[<>] [0-9a-f]*  //p' | sort -u | grep -v '^_/' |
            grep -vxFf "$WORK/$3")
    [ -z "$stray" ] || { echo "$stray" | head -n 10; return 1; }
}
# Whether the backup named on the summary's last line, beside the site, holds the files of sums file WANT.
backup_holds() {
    local backup; backup=$(tail -n 1 "$WORK/$1")
    [[ "$backup" == "$SITE"2*.baq/ ]] && sums "$backup" > "$WORK/backup.sums" && same backup.sums "$2"
}

sums "$SITE" > "$WORK/original.sums"
texts > "$WORK/original.texts"

wk upgrade > "$WORK/upgrade.out" || fail "upgrade" "exit status $?"
sums "$SITE" > "$WORK/upgraded.sums"
for page in "${PAGES[@]}"; do [ -e "$SITE/$page" ] && echo "$page"; done > "$WORK/kept"
sed -n "s|^skipped: $SITE/\([^	]*\)	.*|\1|p" "$WORK/upgrade.out" | sort > "$WORK/skipped"
grep -vxFf "$WORK/kept" <(printf '%s\n' "${PAGES[@]}") > "$WORK/moved"
{ cat "$WORK/moved"; while read -r page; do shtml_name "$page"; done < "$WORK/moved"; } > "$WORK/moved-both-names"
check "upgrade: the pages left under their old names are those listed as skipped" same kept skipped
check "upgrade: os.path.html skipped beside os.html" grep -qx library/os.path.html "$WORK/skipped"
check "upgrade: pages changed counts every other page" grep -qx "pages changed: $(wc -l < "$WORK/moved")" \
    "$WORK/upgrade.out"
texts > "$WORK/upgraded.texts"
check "upgrade: every page's plain text unchanged" same original.texts upgraded.texts
check "upgrade: only the upgraded pages and the _ folder changed" only_changed original.sums upgraded.sums \
    moved-both-names
check "upgrade: the backup holds the site as it was" backup_holds upgrade.out original.sums

MENU=$(cat "$SITE/_/_Tollivance_Web_Kestrane_Menu_System.mnu")
served_with_menu() {
    local page
    while read -r page; do
        carries_menu "$NGINX_URL/$(shtml_name "$page")" "$MENU" || { echo "  $page: no menu"; return 1; }
    done < "$WORK/moved"
}
if start_nginx "$SITE"; then
    check "nginx: every upgraded page carries the menu" served_with_menu
else
    fail "nginx started"
fi

wk --yes remove-menus > "$WORK/removal.out" || fail "remove-menus" "exit status $?"
sums "$SITE" > "$WORK/removed.sums"
texts > "$WORK/removed.texts"
check "remove-menus: every page's plain text unchanged" same original.texts removed.texts
check "remove-menus: only the upgraded pages and the _ folder changed" only_changed upgraded.sums removed.sums \
    moved-both-names
no_menu_left() { ! grep -rqF '<!--#include virtual="/_/' "$SITE" && ! compgen -G "$SITE/_/*" >/dev/null; }
check "remove-menus: no include and no file of the _ folder left" no_menu_left
check "remove-menus: a second backup holds the upgraded site" backup_holds removal.out upgraded.sums
finish
