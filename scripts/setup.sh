#!/usr/bin/env bash
# Installs what a Debian 12 machine needs to build and test zorn: the native
# toolchain, clang with libFuzzer for the fuzz targets, MinGW-w64 for the two
# Windows builds, Wine with 32-bit support, Xvfb, socat and ccache. Idempotent: when
# everything is present it only checks.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xauth x11-utils xdotool imagemagick socat
  nsis unzip file ccache
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "setup: installing ${missing[*]}"
# A mirror caught mid-sync fails one index now and then: try again. If it
# still fails, install from the release's own suite, whose indices for both
# architectures were fetched and agree (an update suite fetched for one
# architecture only would offer versions the other cannot match).
suite=()
for attempt in 1 2 3; do
  $sudo apt-get update -q && break
  echo "setup: apt-get update failed (attempt $attempt)" >&2
  if [ "$attempt" -lt 3 ]; then
    sleep 20
  else
    suite=(-t "$(. /etc/os-release && echo "$VERSION_CODENAME")")
  fi
done
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${suite[@]}" "${missing[@]}"
