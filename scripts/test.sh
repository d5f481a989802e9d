#!/usr/bin/env bash
# The one test command: installs what is missing, builds the native, win32 and
# win64 trees, runs the native tests (also under the sanitizers), the fuzz
# targets briefly and the Windows tests (under Wine), and exits nonzero when
# anything failed. The trees go under $ZORN_BUILD_ROOT
# (default build/).
set -uo pipefail
cd "$(dirname "$0")/.."
root=${ZORN_BUILD_ROOT:-build}

scripts/setup.sh || { echo "test: setup failed" >&2; exit 1; }

failed=()

# Compiles go through ccache with paths taken relative to this checkout, so a
# fresh clone anywhere reuses what an earlier run on this machine compiled.
# ccache leaves the working folder out of its hash, which it would add for
# the native trees' debug information and so miss in every other clone; the
# price: their debug information names the folder of the first clone.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# configure_and_build <folder> [cmake arguments...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null &&
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

# The native tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# (any report fails its test), then each fuzz target for a short while.
if cmake -S . -B "$root/native-asan" -G Ninja "${launcher[@]}" -DZORN_SANITIZE=ON >/dev/null &&
  cmake --build "$root/native-asan" -j2 --target zorn_tests; then
  UBSAN_OPTIONS=print_stacktrace=1 run_tests "$root/native-asan"
else
  failed+=("$root/native-asan")
fi
ZORN_BUILD_ROOT="$root" scripts/fuzz.sh "${ZORN_FUZZ_SECONDS:-10}" || failed+=("fuzz targets")

# The Windows programs as they are run and shipped: Release, stripped. Both
# trees' tests share the win32 tree's Wine prefix (a 64-bit one).
mkdir -p "$root/win32"
wine_prefix="$(cd "$root/win32" && pwd)/wineprefix"
win32_config=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release)
win64_config=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release)
only64=""
if scripts/wine-run.sh --runs-32bit; then
  if configure_and_build "$root/win32" "${win32_config[@]}"; then
    run_tests "$root/win32"
  else
    failed+=("$root/win32")
  fi
  # The 64-bit zorn.exe through the tests of its start, link and windows, and
  # its version resource. Only the programs those tests run are built, with
  # the native plcsim they talk to; the other Windows tests pass on it too
  # (build the whole tree and run `ctest --test-dir build/win64`).
  if cmake -S . -B "$root/win64" -G Ninja "${launcher[@]}" "${win64_config[@]}" >/dev/null &&
    cmake --build "$root/win64" -j2 --target zorn uidriver version_check link_wine_plcsim; then
    ZORN_WINEPREFIX=$wine_prefix ctest --test-dir "$root/win64" --output-on-failure -j2 \
      -R '^windows\.(zorn_start|zorn_link|zorn_windows|version)$' || failed+=("zorn.exe tests in $root/win64")
  else
    failed+=("$root/win64")
  fi
  tested=$root/win32
else
  # A host that runs 64-bit user code only: the i686 programs are built but
  # cannot run, and every Windows test runs on the x86_64 tree instead.
  only64="; this machine runs no 32-bit code: the i686 programs were built, not run"
  echo "test: this machine runs no 32-bit code: every Windows test runs on the x86_64 programs" >&2
  configure_and_build "$root/win32" "${win32_config[@]}" || failed+=("$root/win32")
  if configure_and_build "$root/win64" "${win64_config[@]}"; then
    ZORN_WINEPREFIX=$wine_prefix run_tests "$root/win64"
  else
    failed+=("$root/win64")
  fi
  tested=$root/win64
fi

# The packages: made twice, the programs linked anew in between, they must
# be the same bytes; then unpacked, installed, started and uninstalled under
# Wine in the Windows tests' prefix (about 40 s), driven by the uidriver of
# the tree whose tests ran.
if ZORN_BUILD_ROOT="$root" ZORN_DIST="$root/dist" scripts/package.sh >/dev/null; then
  mkdir -p "$root/dist/first" && cp "$root"/dist/*.zip "$root/dist/first/"
  rm -f "$root"/win32/runtime/program/zorn.exe "$root"/win64/runtime/program/zorn.exe
  ZORN_BUILD_ROOT="$root" ZORN_DIST="$root/dist" scripts/package.sh >/dev/null || failed+=("packages, second run")
  for zip in "$root"/dist/first/*.zip; do
    cmp "$zip" "$root/dist/$(basename "$zip")" || failed+=("$(basename "$zip") not reproducible")
  done
  tested=$(cd "$tested" && pwd)
  ZORN_WINEPREFIX=$wine_prefix bash tests/windows/package_wine.sh "$PWD/scripts/wine-run.sh" \
    "$tested/tools/uidriver/uidriver.exe" "$tested/tests/windows/results/windows.package" "$root/dist" ||
    failed+=("packages under Wine")
else
  failed+=("packages")
fi
# The Xvfb and wineserver the Windows tests shared end with the run.
ZORN_WINEPREFIX=$wine_prefix scripts/wine-run.sh --stop

if [ ${#failed[@]} -ne 0 ]; then
  printf 'test: FAILED: %s\n' "${failed[@]}" >&2
  exit 1
fi
echo "test: all builds and tests passed$only64"
