#!/usr/bin/env bash
# Configures and builds Web Kestrane into build/ (extra CMake options pass through).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j"$(nproc)"
