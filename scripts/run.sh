#!/usr/bin/env bash
# Builds Tavelin and starts it in the current folder (where its reference files live).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
exec "${TAVELIN_BUILD_DIR:-$root/build}/tavelin" "$@"
