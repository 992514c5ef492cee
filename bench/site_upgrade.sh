#!/usr/bin/env bash
# Times `webkestrane upgrade` of a copy of the python3.11-doc site (BoilerPlate,
# Menu, Keywords and Description on) against its floor: `cp -r` of the folder
# (the backup) plus one `sed -i` over its pages, side by side, and reports the
# upgrade's peak memory; then the menu removal of the upgraded site against the
# same floor over it (the `sed -i` taking the include out again).
# Usage: bench/site_upgrade.sh [PATH/TO/webkestrane] (RUNS=3).
set -euo pipefail
source "$(dirname "$0")/python_doc_site.sh"
runs=${RUNS:-3}
include='<!--#include virtual="/_/_Tollivance_Web_Kestrane_Menu_System.mnu"--><!--/#include-->'

# Every copy a run works on is made, and flushed to the disk as a real site
# is, before the first clock starts, and nothing is deleted until the end: on
# a file system without a journal, files created soon after many were deleted
# cost several times more, so a deletion just before one side's clock would
# weigh on that side alone.
for run in $(seq "$runs"); do
  cp -r "$site" "$scratch/floor$run"
  cp -r "$site" "$scratch/site$run"
done
sync

# Runs the command under /usr/bin/time; measured prints its wall-clock
# seconds, CPU seconds (user + system) and peak memory in MB.
timed() { /usr/bin/time -f '%e %U %S %M' -o "$scratch/time" "$@"; }
measured() { awk '{ printf "%.2f %.2f %d", $1, $2 + $3, $4 / 1024 }' "$scratch/time"; }

# The floor over the folder $1 of the scratch folder: a copy of it, and the
# sed script $2 over its pages.
floor_of() {
  timed bash -c 'cp -r "$1/$2" "$1/$2.copy" &&
    find "$1/$2" \( -name "*.html" -o -name "*.shtml" \) -exec sed -i "$3" {} +' floor "$scratch" "$1" "$2"
  measured
  echo
}

upgrade() {
  mkdir "$scratch/app$run"
  w=("$program" --app-folder "$scratch/app$run")
  "${w[@]}" boilerplate set www.python.test "Python Software Foundation" "Docs" "PSF 2023" \
    "$scratch/site$run" >/dev/null
  "${w[@]}" options set --commit 11110 >/dev/null
  "${w[@]}" menu add menu Library www.python.test/library/index.html >/dev/null
  timed "${w[@]}" upgrade >"$scratch/summary"
  measured
  echo " $(sed -n 's/^pages changed: //p' "$scratch/summary") $(grep -c '^skipped:' "$scratch/summary")"
}

# The removal's floor runs over a copy of the upgraded site, so the removal
# itself still finds the site as the upgrade left it.
removal_floor() {
  cp -r "$scratch/site$run" "$scratch/upgraded$run"
  sync
  floor_of "upgraded$run" "s|$include||"
}

removal() {
  timed "${w[@]}" --yes remove-menus >"$scratch/summary"
  measured
  echo
}

echo "run | floor wall (s) | floor CPU (s) | upgrade wall (s) | upgrade CPU (s) | wall ratio | CPU ratio |" \
  "peak memory (MB) | changed | skipped | removal floor wall (s) | removal wall (s) | removal wall ratio |" \
  "removal peak memory (MB)"
for run in $(seq "$runs"); do
  read -r fw fc _ < <(floor_of "floor$run" "s|<body>|<body>$include|")
  # upgrade and removal share the app folder, so they run in this shell.
  upgrade >"$scratch/row"
  read -r uw uc mb changed skipped <"$scratch/row"
  read -r rfw _ < <(removal_floor)
  removal >"$scratch/row"
  read -r rw _ rmb <"$scratch/row"
  awk -v r="$run" -v fw="$fw" -v fc="$fc" -v uw="$uw" -v uc="$uc" -v m="$mb" -v c="$changed" -v s="$skipped" \
      -v rfw="$rfw" -v rw="$rw" -v rmb="$rmb" \
    'BEGIN { printf "%s | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %s | %s | %s | %.2f | %.2f | %.2f | %s\n",
                    r, fw, fc, uw, uc, uw / fw, uc / fc, m, c, s, rfw, rw, rw / rfw, rmb }'
done
