#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when they are present.
set -euo pipefail

PKGS=(cmake ninja-build g++ python3 clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
      mingw-w64 wine wine64 wine32:i386 xvfb xauth xdotool x11-utils imagemagick
      fonts-wqy-microhei)

missing=()
for p in "${PKGS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
