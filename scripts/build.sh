#!/usr/bin/env bash
# Configures and builds Tavelin in build/ (or $TAVELIN_BUILD_DIR) with Ninja,
# through ccache. TAVELIN_BENCHMARKS=OFF leaves the benchmark programs out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
source "$root/scripts/configure-common.sh"
build="${TAVELIN_BUILD_DIR:-$root/build}"
# Line tables only (-g1): backtraces keep their files and lines, and the build
# takes a third less time than with full debug information; the package is
# stripped in any case.
tavelin_configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DTAVELIN_BENCHMARKS="${TAVELIN_BENCHMARKS:-ON}"
cmake --build "$build" -j "$(nproc)"
