#!/usr/bin/env bash
# The one test command: installs what is missing, builds the native, win32 and
# win64 trees, runs the native tests and the Windows tests (under Wine), and
# exits nonzero when anything failed. The trees go under $ZORN_BUILD_ROOT
# (default build/).
set -uo pipefail
cd "$(dirname "$0")/.."
root=${ZORN_BUILD_ROOT:-build}

scripts/setup.sh || { echo "test: setup failed" >&2; exit 1; }

failed=()

# configure_and_build <folder> [cmake arguments...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null &&
    cmake --build "$dir" -j2
}

run_tests() {
  ctest --test-dir "$1" --output-on-failure -j2 || failed+=("tests in $1")
}

if configure_and_build "$root/native"; then
  run_tests "$root/native"
else
  failed+=("$root/native")
fi

if configure_and_build "$root/win32" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake; then
  run_tests "$root/win32"
  # The Xvfb and wineserver the Windows tests shared end with the run.
  ZORN_WINEPREFIX="$(cd "$root/win32" && pwd)/wineprefix" scripts/wine-run.sh --stop
else
  failed+=("$root/win32")
fi

configure_and_build "$root/win64" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake ||
  failed+=("$root/win64")

if [ ${#failed[@]} -ne 0 ]; then
  printf 'test: FAILED: %s\n' "${failed[@]}" >&2
  exit 1
fi
echo "test: all builds and tests passed"
