#!/usr/bin/env bash
# Each manual page renders without a warning from man or groff, and names its
# program in its NOM section: usage: man_pages_test.sh PAGE... (roff, or gzip'd)
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for page in "$@"; do
  program="$(basename "$page")"
  program="${program%%.1*}"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > "$work/$program.txt")"
  if [ -n "$warnings" ]; then
    printf '%s:\n%s\n' "$page" "$warnings" >&2
    exit 1
  fi
  grep -qx "NOM" "$work/$program.txt" || { echo "$page: no NOM section" >&2; exit 1; }
  grep -q "^       $program - " "$work/$program.txt" || { echo "$page: its NOM section does not name $program" >&2; exit 1; }
  echo "$page: no warning"
done
