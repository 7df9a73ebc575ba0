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

# How long to wait for another package manager, such as the automatic updates a fresh machine
# runs after it boots, to let go of its lock.
lock_wait=${MORVEN_APT_LOCK_WAIT:-300}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# apt_get ARGS...: apt-get, tried again while another program holds the package manager's lock.
apt_get() {
  local errors deadline=$((SECONDS + lock_wait)) said=""
  errors=$(mktemp)
  until $sudo env DEBIAN_FRONTEND=noninteractive apt-get "$@" 2>"$errors"; do
    if ! grep -q -e 'Could not get lock' -e 'Unable to acquire' -e 'Unable to lock' "$errors"; then
      cat "$errors" >&2
      rm -f "$errors"
      return 1
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      cat "$errors" >&2
      rm -f "$errors"
      echo "setup: another program has held the package manager's lock for ${lock_wait} s;" \
        "run this again once it is done (ps -C apt,apt-get,dpkg,unattended-upgr shows it)" >&2
      return 1
    fi
    [ -n "$said" ] || echo "Waiting for another program to let go of the package manager's lock" \
      "(at most ${lock_wait} s)..."
    said=yes
    sleep 1
  done
  cat "$errors" >&2
  rm -f "$errors"
}

echo "Installing: ${missing[*]}"
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
