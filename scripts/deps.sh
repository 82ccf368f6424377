#!/usr/bin/env bash
# Installs the Debian 12 packages Tavelin needs to build, run and test, when missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config ninja-build ccache
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libssl-dev libpoppler-cpp-dev qt6-charts-dev
  xvfb xauth openbox x11-apps netpbm xdotool fonts-dejavu-core fonts-liberation poppler-utils
  unrtf tzdata
  clang libclang-rt-dev
  dpkg-dev file lintian libxml2-utils man-db shared-mime-info desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Ces paquets s'installent en tant que root (sudo)." >&2
    SUDO=sudo
  else
    SUDO=
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
