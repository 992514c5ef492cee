#!/usr/bin/env bash
# Copies the demo site and its settings into DEST (DEST/site, DEST/settings) and points the copied
# boilerplate's local source at the copied site, so whatever is done with the demo leaves examples/ as it is.
# Usage: scripts/demo-copy.sh WEBKESTRANE DEST
set -euo pipefail
examples="$(cd "$(dirname "$0")/../examples" && pwd)"
program=$1 dest=$2
mkdir -p "$dest"
cp -r "$examples/demo-site" "$dest/site"
cp -r "$examples/demo-settings" "$dest/settings"
mapfile -t entries < <(tr -d '\r' < "$dest/settings/boilerplate.sgt")
"$program" --app-folder "$dest/settings" boilerplate set "${entries[@]:0:4}" "$dest/site" >/dev/null
