#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those that are missing.
# The Windows build: MinGW-w64 (the -posix compilers), Wine to run its tests (on Debian 12 the
# package wine gives the `wine` command, wine64 the 64-bit loader it runs), zip for the package.
# fcitx5 and IBus, each with Mozc: the Japanese input methods that the input-method tests type with.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils libx11-dev
  fontconfig fonts-ipafont-gothic fonts-dejavu-core
  librsvg2-bin python3
  g++-mingw-w64-x86-64-posix wine wine64 zip
  fcitx5 fcitx5-mozc fcitx5-frontend-qt6 ibus ibus-mozc dbus-x11
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
