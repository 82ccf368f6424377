#!/usr/bin/env bash
# Configures and builds Tavelin in build/ (or $TAVELIN_BUILD_DIR) with Ninja,
# through ccache. TAVELIN_BENCHMARKS=OFF leaves the benchmark programs out.
# TAVELIN_UNITY=ON compiles sixteen sources a unit: a whole build from
# nothing (CI's fresh clone) takes far less time, a change to one file more.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
source "$root/scripts/configure-common.sh"
build="${TAVELIN_BUILD_DIR:-$root/build}"
# Line tables only (-g1): backtraces keep their files and lines, and the build
# takes a third less time than with full debug information; the package is
# stripped in any case.
tavelin_configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DTAVELIN_BENCHMARKS="${TAVELIN_BENCHMARKS:-ON}" \
  -DCMAKE_UNITY_BUILD="${TAVELIN_UNITY:-OFF}" -DCMAKE_UNITY_BUILD_BATCH_SIZE=16
cmake --build "$build" -j "$(nproc)"
