#!/usr/bin/env bash
# Builds Tavelin (scripts/build.sh) and its Debian package tavelin_<version>_amd64.deb
# in the top folder, or in $TAVELIN_PACKAGE_DIR. Installed with
#   sudo apt-get install ./tavelin_*.deb
# it brings its dependencies along.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
build="${TAVELIN_BUILD_DIR:-$root/build}"
out="${TAVELIN_PACKAGE_DIR:-$root}"
staging="$build/cpack"
rm -rf "$staging"
(cd "$build" && cpack --config CPackConfig.cmake -B "$staging" > "$staging.log") || { cat "$staging.log" >&2; exit 1; }
mkdir -p "$out"
for deb in "$staging"/tavelin_*.deb; do
  mv "$deb" "$out/"
  echo "Paquet : $out/$(basename "$deb")"
done
rm -rf "$staging"
