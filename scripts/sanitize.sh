#!/usr/bin/env bash
# Builds the logic library, its tests, tavelin-cli and the fuzz targets with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# (or $TAVELIN_SANITIZE_DIR), runs those tests, then each fuzz target for
# $TAVELIN_FUZZ_SECONDS seconds (30 by default) from its seed corpus. Any
# finding fails the run; the input that caused it is kept in fuzz-findings/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
source "$root/scripts/configure-common.sh"
build="${TAVELIN_SANITIZE_DIR:-$root/build-sanitize}"
seconds="${TAVELIN_FUZZ_SECONDS:-30}"

# The sanitizers' reports need files and lines only (-gline-tables-only),
# which builds a third faster than full debug information. This build is
# made whole each time CI runs on a fresh clone: its sources are compiled
# sixteen to a unit (a unity build), which parses the Qt and GoogleTest
# headers once a unit instead of once a file, and takes a quarter of the time.
CC=clang CXX=clang++ tavelin_configure "$build" -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -gline-tables-only" -DTAVELIN_SANITIZE=ON -DTAVELIN_FUZZ=ON -DTAVELIN_BENCHMARKS=OFF \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16
targets=(tavelin_logic_tests tavelin_fault_tests tavelin-cli)
for source in "$root"/fuzz/*_fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 600 -E '^(qtest_|layout_)')

findings="$build/fuzz-findings"
mkdir -p "$findings"
# fuzz_one NAME: one target for $seconds seconds; its log in $findings.
fuzz_one() {
  local name="$1" work status=0
  work="$(mktemp -d)"
  "$build/fuzz/$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$work" "$root/fuzz/corpus/$name" > "$findings/$name.log" 2>&1 || status=$?
  rm -rf "$work"
  echo "$status" > "$findings/$name.status"
}
# The targets run side by side, one per core.
names=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  names+=("$(basename "$source" .cpp)")
done
echo "Fuzzing ${names[*]} for $seconds s each"
for name in "${names[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz_one "$name" &
done
wait
failed=0
for name in "${names[@]}"; do
  echo "$name:"
  grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|stat::average_exec_per_sec)' "$findings/$name.log" || true
  if [ "$(cat "$findings/$name.status")" -ne 0 ]; then
    tail -n 40 "$findings/$name.log" >&2
    echo "$name found a fault: see $findings" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] || exit 1
echo "Sanitized tests and fuzz runs: no finding."
