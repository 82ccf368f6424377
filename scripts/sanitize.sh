#!/usr/bin/env bash
# Builds the logic library, its tests, tavelin-cli and the fuzz targets with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# (or $TAVELIN_SANITIZE_DIR), runs those tests, then each fuzz target for
# $TAVELIN_FUZZ_SECONDS seconds (30 by default) from its seed corpus. Any
# finding fails the run; the input that caused it is kept in fuzz-findings/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
build="${TAVELIN_SANITIZE_DIR:-$root/build-sanitize}"
seconds="${TAVELIN_FUZZ_SECONDS:-30}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g" -DTAVELIN_SANITIZE=ON -DTAVELIN_FUZZ=ON > /dev/null
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
for source in "$root"/fuzz/*_fuzz.cpp; do
  name="$(basename "$source" .cpp)"
  work="$(mktemp -d)"
  log="$findings/$name.log"
  echo "Fuzzing $name for $seconds s"
  status=0
  "$build/fuzz/$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$work" "$root/fuzz/corpus/$name" > "$log" 2>&1 || status=$?
  rm -rf "$work"
  grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "$name found a fault: see $findings" >&2
    exit 1
  fi
done
echo "Sanitized tests and fuzz runs: no finding."
