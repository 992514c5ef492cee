#!/usr/bin/env bash
# Kills `webkestrane upgrade` of a copy of a real site (the python3.11-doc pages
# unless SITE is given) with SIGKILL at KILLS moments spread over its run, and
# checks what each kill left: every page byte for byte its original or its
# committed form (perhaps both, never neither), a whole backup whenever a page
# changed, nothing left over but files marked .wk-tmp-; then the next run must
# finish, leave every page committed and remove what was left over.
#   bash scripts/crash-test.sh [KILLS] [SITE]
# WEBKESTRANE names the program to test (default: build/webkestrane, built when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-40}
source_site=${2:-/usr/share/doc/python3.11/html}
bin=${WEBKESTRANE:-$PWD/build/webkestrane}
[ -x "$bin" ] || bash scripts/build.sh -DWK_BUILD_TESTS=OFF
[ -d "$source_site" ] || bash scripts/install-deps.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -rL "$source_site" "$work/pristine"
site=$work/site
wk() { "$bin" --app-folder "$work/app" "$@"; }
mkdir -p "$work/app" "$site"
wk boilerplate set www.example.com "Example Ltd" "Web Team" "Example Ltd 2026" "$site" >/dev/null
wk options set --commit 11110 >/dev/null
fresh() { rm -rf "$site" "$site"?*; cp -r "$work/pristine" "$site"; }

# The committed form of every page, and the time a whole upgrade takes; then
# the pages as a second run leaves them (it types the bare style tag the first
# wrote), which is how the run after a kill finds the pages the kill let pass.
fresh
start=$(date +%s%N)
wk upgrade </dev/null >/dev/null
millis=$(( ($(date +%s%N) - start) / 1000000 ))
cp -r "$site" "$work/committed"
wk upgrade </dev/null >/dev/null
mv "$site" "$work/again"

check() {  # phase: killed or finished
  python3 - "$1" "$work/pristine" "$work/committed" "$work/again" "$site" <<'PY'
import os, sys
phase, pristine, committed, again, site = sys.argv[1:]
def tree(root):
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, 'rb') as f: files[os.path.relpath(path, root)] = f.read()
    return files
original, done, twice, now = tree(pristine), tree(committed), tree(again), tree(site)
def form(name):
    if name in done: return name
    folder, base = os.path.split(name)
    return os.path.join(folder, base[:base.index('.') + 1] + 'shtml' if '.' in base else base + '.shtml')
bad = []
changed = 0
for name, data in original.items():
    was = now.get(name) == data
    changed += not was
    if not was and now.get(form(name)) not in (done.get(form(name)), twice.get(form(name))):
        bad.append('neither form: ' + name)
for name, data in now.items():
    if '.wk-tmp-' in name:
        if phase == 'finished': bad.append('left over: ' + name)
    elif data not in (original.get(name), done.get(name), twice.get(name)): bad.append('unknown bytes: ' + name)
beside = [n for n in os.listdir(os.path.dirname(site)) if n.startswith('site') and n != 'site']
backups = [n for n in beside if n.endswith('.baq')]
if phase == 'killed':  # the next run backs up what the kill left
    for b in backups:
        if tree(os.path.join(os.path.dirname(site), b)) != original: bad.append('incomplete backup: ' + b)
    if changed and not backups: bad.append('pages changed without a backup')
if phase == 'finished':
    bad += ['left beside the site: ' + n for n in beside if not n.endswith('.baq')]
    bad += ['not committed: ' + n for n in done if now.get(n) not in (done[n], twice[n])]
print(f"{phase} changed={changed} backups={len(backups)} temporary={sum('.wk-tmp-' in n for n in now)} "
      f"partial={sum('.wk-tmp-' in n for n in beside)} bad={len(bad)}")
for line in bad[:10]: print('  ' + line)
sys.exit(1 if bad else 0)
PY
}

failed=0
echo "site: $source_site ($(find "$work/pristine" -type f | wc -l) files), upgrade: $millis ms, kills: $kills"
for ((i = 1; i <= kills; i++)); do
  fresh
  at=$(( millis * i / kills ))
  # The program itself in the background, not a shell around it, so the kill reaches it.
  "$bin" --app-folder "$work/app" upgrade </dev/null >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v ms="$at" 'BEGIN { printf "%.3f", ms / 1000 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  printf 'kill %2d at %5d ms: ' "$i" "$at"
  check killed || failed=1
  printf '   next run: '
  wk upgrade </dev/null >/dev/null 2>&1 || { echo "the next run failed"; failed=1; }
  check finished || failed=1
done
exit $failed
