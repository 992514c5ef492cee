#!/usr/bin/env bash
# Installs what is missing, builds, and starts the Web Kestrane desktop program.
# --demo starts it on a fresh scratch copy of the demo site and its settings (examples/).
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a display the program has nowhere to open its window: say so before building.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display to open the window on (DISPLAY is not set): run it in a desktop session, or on a virtual screen with: xvfb-run -a bash scripts/run.sh $*" >&2
  exit 1
fi
bash scripts/install-deps.sh
bash scripts/build.sh
if [ "${1:-}" = --demo ]; then
  shift
  demo=$(mktemp -d "${TMPDIR:-/tmp}/webkestrane-demo.XXXXXX")
  bash scripts/demo-copy.sh ./build/webkestrane "$demo"
  echo "Demo site: $demo/site, its settings: $demo/settings" >&2
  set -- --app-folder "$demo/settings" "$@"
fi
exec ./build/webkestrane "$@"
