#!/usr/bin/env bash
# Packages zorn for Windows users: builds the i686 and x86_64 zorn.exe as
# Release (stripped) and writes into dist/
#   zorn-<version>-win32.zip, zorn-<version>-win64.zip
#       zorn-<version>-<arch>/zorn.exe, operator-guide.md and its images/,
#       CHANGELOG.md, example/config.ini and example/user_settings.ini (the
#       demonstration settings, CP1251 with CR LF as the program writes them)
#   zorn-<version>-setup.exe
#       the NSIS installer (scripts/installer.nsi) of both programs
# The version is the one of resources/version.h. The zips hold their files in
# a fixed order with a fixed time stamp and mode, and the programs link
# without a time stamp, so the same sources give the same bytes.
#   ZORN_BUILD_ROOT  the build folders' parent (default build): <root>/win32, <root>/win64
#   ZORN_WIN32_BUILD, ZORN_WIN64_BUILD  other build folders for the two programs
#   ZORN_DIST        where the packages go (default dist)
set -euo pipefail
cd "$(dirname "$0")/.."
root=${ZORN_BUILD_ROOT:-build}
dist=${ZORN_DIST:-dist}

scripts/setup.sh
version=$(sed -n 's/^#define ZORN_VERSION_TEXT "\([0-9.]*\)"$/\1/p' resources/version.h)
[ -n "$version" ] || { echo "package: no version in resources/version.h" >&2; exit 1; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
declare -A toolchain=([win32]=cmake/mingw-i686.cmake [win64]=cmake/mingw-x86_64.cmake)
declare -A build=([win32]=${ZORN_WIN32_BUILD:-$root/win32} [win64]=${ZORN_WIN64_BUILD:-$root/win64})
declare -A objdump=([win32]=i686-w64-mingw32-objdump [win64]=x86_64-w64-mingw32-objdump)
for arch in win32 win64; do
  cmake -S . -B "${build[$arch]}" -G Ninja -DCMAKE_TOOLCHAIN_FILE="${toolchain[$arch]}" \
    -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
  cmake --build "${build[$arch]}" -j2 --target zorn
  if "${objdump[$arch]}" -h "${build[$arch]}/runtime/program/zorn.exe" | grep -q '\.debug_'; then
    echo "package: ${build[$arch]}/runtime/program/zorn.exe carries debug information" >&2
    exit 1
  fi
done

# The example settings must be as the program writes them: CP1251, CR LF.
for f in scripts/demo/config.ini scripts/demo/user_settings.ini; do
  if LC_ALL=C grep -q $'[^\r]$' "$f" || [ "$(tail -c 1 "$f" | od -An -c | tr -d ' ')" != '\n' ] ||
     { LC_ALL=C grep -q $'[\x80-\xff]' "$f" && iconv -f UTF-8 -t UTF-8 "$f" >/dev/null 2>&1; }; then
    echo "package: $f is not CP1251 with CR LF line ends" >&2
    exit 1
  fi
done

mkdir -p "$dist"
dist=$(cd "$dist" && pwd)
stage=$root/package
rm -rf "$stage"
for arch in win32 win64; do
  top=$stage/zorn-$version-$arch
  mkdir -p "$top/example" "$top/images"
  cp "${build[$arch]}/runtime/program/zorn.exe" "$top/"
  cp docs/operator-guide.md CHANGELOG.md "$top/"
  cp docs/images/*.png "$top/images/"
  cp scripts/demo/config.ini scripts/demo/user_settings.ini "$top/example/"
  python3 -B scripts/reproducible_zip.py "$dist/zorn-$version-$arch.zip" "$stage" "zorn-$version-$arch"
done

makensis -INPUTCHARSET UTF8 -V2 \
  -DVERSION="$version" -DOUTFILE="$dist/zorn-$version-setup.exe" \
  -DEXE32="$(cd "${build[win32]}/runtime/program" && pwd)/zorn.exe" \
  -DEXE64="$(cd "${build[win64]}/runtime/program" && pwd)/zorn.exe" \
  -DDOCS="$(pwd)/docs" -DDEMO="$(pwd)/scripts/demo" -DTOP="$(pwd)" \
  scripts/installer.nsi

ls -l "$dist"/zorn-"$version"-*
