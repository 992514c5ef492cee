#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each for SECONDS
# (default 600), one after another on one core, and prints its figures.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]     e.g. bash scripts/fuzz.sh 60 scan preview
# Each target starts from its seeds (seeds_of below) and the corpus it grew
# before (build-fuzz/corpus/TARGET); what it finds goes to build-fuzz/findings/.
# The exit status is 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(scan normalise plain_text classic_proposals improved_proposals page_commit
                                    preview menu_file style_file settings)

bash scripts/install-deps.sh --fuzz

out=$PWD/build-fuzz
seeds=$PWD/fuzz/corpus
CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWK_BUILD_FUZZ=ON -DWK_BUILD_GUI=OFF \
  -DWK_BUILD_TESTS=OFF >/dev/null
cmake --build "$out" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# The targets that read a page start from the demo site and the reference
# examples, the settings loaders from the demo's settings, and the preview and
# the settings files read together from inputs of their own.
seeds_of() {
  case $1 in
    menu_file|style_file) seed_dirs=("$PWD/examples/demo-settings") ;;
    preview|settings) seed_dirs=("$seeds/$1") ;;
    *) seed_dirs=("$seeds/pages" "$PWD/examples/demo-site") ;;
  esac
}

found=0
for t in "${targets[@]}"; do
  seeds_of "$t"
  mkdir -p "$out/corpus/$t" "$out/findings" "$out/logs/$t"
  touch "$out/logs/$t/started"
  # One job, one worker: the machine's other cores stay free.
  (cd "$out/logs/$t" && "$out/fuzz/fuzz_$t" -max_total_time="$seconds" -jobs=1 -workers=1 -timeout=30 \
     -rss_limit_mb=2048 -max_len="${FUZZ_MAX_LEN:-32768}" -print_final_stats=1 \
     -artifact_prefix="$out/findings/$t-" "$out/corpus/$t" "${seed_dirs[@]}" >/dev/null 2>&1) || true
  log="$out/logs/$t/fuzz-0.log"
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
  findings=$(find "$out/findings" -name "$t-*" -newer "$out/logs/$t/started" | wc -l)
  echo "$t: runs: ${runs:-0} ${cov:-cov: ?} corpus: $(ls "$out/corpus/$t" | wc -l) findings: $findings"
  [ "$findings" -eq 0 ] || found=1
done
exit $found
