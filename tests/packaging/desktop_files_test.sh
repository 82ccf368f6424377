#!/usr/bin/env bash
# The file type of the dossiers and the desktop entry, as the desktop reads
# them: usage: desktop_files_test.sh MIME_XML DESKTOP_FILE
# The MIME file must be valid against shared-mime-info's own DTD (the one its
# freedesktop.org.xml carries), and once compiled give *.jnl the type
# application/x-tavelin-dossier named "Dossier comptable Tavelin"; the desktop
# entry must be valid and open that type.
set -euo pipefail
mime="$1"
desktop="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

sed -n '/^<!DOCTYPE mime-info \[/,/^\]>/p' /usr/share/mime/packages/freedesktop.org.xml | sed '1d;$d' > "$work/mime-info.dtd"
[ -s "$work/mime-info.dtd" ] || { echo "shared-mime-info's DTD not found" >&2; exit 1; }
xmllint --noout --dtdvalid "$work/mime-info.dtd" "$mime"

mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/tavelin.xml"
XDG_DATA_DIRS="$work" update-mime-database "$work/mime"
grep -qx '50:application/x-tavelin-dossier:\*\.jnl' "$work/mime/globs2" \
  || { echo "*.jnl is not application/x-tavelin-dossier:" >&2; cat "$work/mime/globs2" >&2; exit 1; }
grep -q '<comment>Dossier comptable Tavelin</comment>' "$work/mime/application/x-tavelin-dossier.xml" \
  || { echo "the type is not named \"Dossier comptable Tavelin\"" >&2; exit 1; }

desktop-file-validate "$desktop"
grep -qx 'MimeType=application/x-tavelin-dossier;' "$desktop" \
  || { echo "$desktop does not open application/x-tavelin-dossier" >&2; exit 1; }
grep -qx 'Exec=tavelin %f' "$desktop" \
  || { echo "$desktop does not pass the file to tavelin" >&2; exit 1; }
echo "MIME type and desktop entry: valid"
