#!/usr/bin/env bash
# The test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and run there, as `bash scripts/test.sh --sanitize` does.
# The end-to-end tests (label e2e) are left out: they drive web servers and a
# browser rather than more of the program's own code, and would double the time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWK_SANITIZE=ON -DWK_BUILD_TESTS=ON
cmake --build build-asan -j"$(nproc)"
cd build-asan
export ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/../tests/sanitizer_leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -LE e2e
