#!/usr/bin/env bash
# CI check of the Debian package, made from build/ by scripts/package.sh (after
# scripts/test.sh nothing is left to compile): it holds what the installed
# program needs, lintian finds no error in it, its MIME type, desktop entry
# and manual pages pass the tests of tests/packaging/, and its programs give
# the package's version.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

TAVELIN_PACKAGE_DIR="$work" "$root/scripts/package.sh"
debs=("$work"/tavelin_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
deb="${debs[0]}"
version="$(dpkg-deb --field "$deb" Version)"
[ "$(basename "$deb")" = "tavelin_${version}_amd64.deb" ] || { echo "unexpected package name: $deb" >&2; exit 1; }

contents="$(dpkg-deb --contents "$deb" | awk '{ print $6 }')"
for path in ./usr/bin/tavelin ./usr/bin/tavelin-cli \
            ./usr/share/applications/tavelin.desktop \
            ./usr/share/icons/hicolor/scalable/apps/tavelin.svg \
            ./usr/share/mime/packages/tavelin.xml \
            ./usr/share/man/man1/tavelin.1.gz ./usr/share/man/man1/tavelin-cli.1.gz \
            ./usr/share/doc/tavelin/copyright ./usr/share/doc/tavelin/changelog.gz; do
  grep -qxF "$path" <<< "$contents" || { echo "$deb does not hold $path" >&2; exit 1; }
done
# The libraries come from the programs (dpkg-shlibdeps).
depends="$(dpkg-deb --field "$deb" Depends)"
for library in libqt6widgets6 libqt6printsupport6 libqt6svg6 libc6 qt6-translations-l10n; do
  grep -q "\b$library\b" <<< "$depends" || { echo "Depends lacks $library: $depends" >&2; exit 1; }
done

lintian --fail-on error --tag-display-limit 0 "$deb"

dpkg-deb --extract "$deb" "$work/root"
bash "$root/tests/packaging/desktop_files_test.sh" "$work/root/usr/share/mime/packages/tavelin.xml" \
  "$work/root/usr/share/applications/tavelin.desktop"
bash "$root/tests/packaging/man_pages_test.sh" "$work/root/usr/share/man/man1/tavelin.1.gz" \
  "$work/root/usr/share/man/man1/tavelin-cli.1.gz"
for program in tavelin tavelin-cli; do
  "$work/root/usr/bin/$program" --version | grep -q "^$program $version : " \
    || { echo "$program --version does not give $version" >&2; exit 1; }
done
echo "Paquet $(basename "$deb") : contenu, lintian, type MIME, pages de manuel et version vérifiés."
