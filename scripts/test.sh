#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, the end-to-end ones included (label e2e).
set -euo pipefail
cd "$(dirname "$0")/.."
# --sanitize: the same tests under AddressSanitizer and UndefinedBehaviorSanitizer instead.
[ "${1:-}" != "--sanitize" ] || exec bash scripts/test-sanitized.sh
bash scripts/install-deps.sh --e2e
bash scripts/build.sh -DWK_BUILD_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
