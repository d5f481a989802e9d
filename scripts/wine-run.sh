#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests of a Windows build:
#   wine-run.sh program.exe [arguments...]
#   wine-run.sh --stop      (ends the Xvfb this script started for the prefix)
#   wine-run.sh --prefix program.exe   (prints the prefix the program runs in)
# The prefix is $ZORN_WINEPREFIX, else <build folder>/wineprefix, where the
# build folder is the nearest folder above the program (or the current one)
# holding CMakeCache.txt. It is made once with `wineboot -i` and shared by every
# test of the run. Without $DISPLAY, one Xvfb per prefix is started on a fixed
# display number and reused. A program that runs longer than
# $ZORN_WINE_TIMEOUT seconds (default 120) is killed and the run fails.
# Some hosts run 64-bit user code only: there Wine's 32-bit loader cannot
# start, Wine runs through its 64-bit loader, and a 32-bit program is
# refused with a message.
#   wine-run.sh --runs-32bit   (exits 0 when this machine runs 32-bit programs)
set -euo pipefail

wine=wine
runs_32bit=1
if ! wine --version >/dev/null 2>&1 && /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=/usr/lib/wine/wine64
  runs_32bit=""
fi
if [ "${1:-}" = "--runs-32bit" ]; then
  [ -n "$runs_32bit" ]
  exit
fi

find_build_dir() {
  local d
  d=$(cd "$1" 2>/dev/null && pwd) || { echo "wine-run.sh: no folder $1" >&2; exit 2; }
  while [ "$d" != "/" ]; do
    [ -f "$d/CMakeCache.txt" ] && { echo "$d"; return; }
    d=$(dirname "$d")
  done
  pwd
}

if [ "${1:-}" = "--stop" ]; then
  start_dir=$PWD
elif [ "${1:-}" = "--prefix" ]; then
  [ $# -eq 2 ] || { echo "usage: wine-run.sh --prefix program.exe" >&2; exit 2; }
  start_dir=$(dirname "$2")
else
  [ $# -ge 1 ] || { echo "usage: wine-run.sh program.exe [args...] | --stop" >&2; exit 2; }
  start_dir=$(dirname "$1")
fi
prefix=${ZORN_WINEPREFIX:-$(find_build_dir "$start_dir")/wineprefix}
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")

if [ "${1:-}" = "--prefix" ]; then
  echo "$prefix"
  exit 0
fi
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# A display number derived from the prefix path, so parallel runs with
# different prefixes never share an X server.
display_num=$(( 100 + $(printf '%s' "$prefix" | cksum | cut -d' ' -f1) % 400 ))
xvfb_pid_file=$prefix.xvfb.pid

if [ "${1:-}" = "--stop" ]; then
  if [ -f "$xvfb_pid_file" ]; then
    pid=$(cat "$xvfb_pid_file")
    if kill -0 "$pid" 2>/dev/null && grep -q Xvfb "/proc/$pid/cmdline" 2>/dev/null; then
      WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
      kill "$pid" 2>/dev/null || true
    fi
    rm -f "$xvfb_pid_file"
  fi
  exit 0
fi

own_display=""
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return
  export DISPLAY=":$display_num"
  own_display=1
  exec 8>"$prefix.xvfb.lock"
  flock 8
  local pid=""
  [ -f "$xvfb_pid_file" ] && pid=$(cat "$xvfb_pid_file")
  if [ -z "$pid" ] || ! kill -0 "$pid" 2>/dev/null; then
    rm -f "/tmp/.X${display_num}-lock"
    # Its own session, so neither ctest's pipes nor its kill of a test's
    # process group reach the server the other tests share.
    setsid Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    pid=$!
    echo "$pid" >"$xvfb_pid_file"
    for _ in $(seq 100); do
      [ -S "/tmp/.X11-unix/X$display_num" ] && break
      kill -0 "$pid" 2>/dev/null || { echo "wine-run: Xvfb $DISPLAY did not start" >&2; exit 1; }
      sleep 0.05
    done
  fi
  flock -u 8
  exec 8>&-
}

ensure_prefix() {
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.zorn-ready" ]; then
    rm -rf "$prefix"
    echo "wine-run: making Wine prefix $prefix" >&2
    timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || { echo "wine-run: wineboot failed" >&2; exit 1; }
    timeout 120 wineserver -w || true
    touch "$prefix/.zorn-ready"
  fi
  # The Xvfb started here runs no window manager. Told so, Wine manages the
  # windows itself, as Windows does: it draws their frames, takes minimised
  # windows off the screen, and does not wait two seconds for a manager's
  # answer each time a window hides (ten seconds for zorn.exe to end).
  if [ -n "$own_display" ] && [ ! -f "$prefix/.zorn-unmanaged" ]; then
    timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
      { echo "wine-run: could not set up the prefix's window handling" >&2; exit 1; }
    timeout 120 wineserver -w || true  # the registry is written when the server ends
    touch "$prefix/.zorn-unmanaged"
  fi
  flock -u 9
  exec 9>&-
}

if [ -z "$runs_32bit" ] && [ -f "$1" ] && file -b "$1" | grep -q '^PE32 executable'; then
  echo "wine-run: $1 is a 32-bit program, and this machine runs no 32-bit code" >&2
  exit 1
fi
ensure_display
ensure_prefix
# A persistent wineserver spares each test the start of Wine's services.
wineserver -p60 </dev/null >/dev/null 2>&1 || true

# The program writes into files, shown once it ends: Wine's helper processes
# (services.exe, explorer.exe) inherit its output and outlive it, and would
# keep ctest waiting on an open pipe.
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
err=$out.err
trap 'rm -f "$out" "$err"' EXIT
limit=${ZORN_WINE_TIMEOUT:-120}
set +e
timeout -k 5 "$limit" "$wine" "$@" >"$out" 2>"$err"
rc=$?
set -e
cat "$out"
cat "$err" >&2
if [ $rc -eq 124 ] || [ $rc -eq 137 ]; then
  echo "wine-run: $1 did not finish within ${limit} s and was killed" >&2
  exit 124
fi
exit $rc
