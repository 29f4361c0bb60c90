#!/usr/bin/env bash
# Installs the Debian packages ZynED needs to build, test, package and run; skips what is installed.
# (lintian, which the package check runs when it is there, is left to the user: apt-get install lintian.)
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev lld qt6-base-dev qt6-svg-dev libfontconfig-dev
          qt6-multimedia-dev libgl-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          imagemagick fonts-dejavu-core dpkg-dev appstream desktop-file-utils qt6-l10n-tools
          qt6-translations-l10n python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
