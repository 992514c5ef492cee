#!/usr/bin/env bash
# Installs what is missing, builds, and starts the Web Kestrane desktop program.
# --demo starts it on a fresh scratch copy of the demo site and its settings (examples/).
set -euo pipefail
cd "$(dirname "$0")/.."
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
