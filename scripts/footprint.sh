#!/usr/bin/env bash
# Measures zorn.exe beside a trivial Win32 window under the same Wine prefix
# and prints one table: file size, start to the visible main window (a cold
# Wine, wineserver ended before each start, and a warm one), and, with the
# demonstration settings, the CPU share of each program and of the wineserver
# over SECONDS (default 60) four times: not linked, then linked to plcsim
# polled every second with the cursor where the click on "Старт" left it,
# then with the cursor moved off zorn's buttons, then with the cursor on the
# button of the window with services (below); and the resident memory
# (VmRSS) after the linked SECONDS. The same trivial window, having played
# the program's indicator sound at start, shows what Wine's sound playback
# alone keeps resident; the window with services (themed common controls, a
# tool tip, a tray icon and the same sound, nothing of zorn) what the
# platform services zorn needs keep resident.
#   scripts/footprint.sh [BUILD_DIR] [PLCSIM] [SECONDS]
# BUILD_DIR is a built Windows tree (default build/win32, or build/win64 on a
# machine that runs no 32-bit code) holding zorn.exe,
# tests/windows/trivial_window.exe, tests/windows/services_window.exe and
# tools/uidriver/uidriver.exe; its Wine
# prefix is used. PLCSIM defaults to build/native/tools/plcsim/plcsim.
set -euo pipefail
cd "$(dirname "$0")/.."
default_build=build/win32
scripts/wine-run.sh --runs-32bit || default_build=build/win64
build=$(cd "${1:-$default_build}" && pwd)
plcsim=$(cd "$(dirname "${2:-build/native/tools/plcsim/plcsim}")" && pwd)/plcsim
seconds=${3:-60}
export LC_ALL=C.UTF-8

zorn=$build/runtime/program/zorn.exe
trivial=$build/tests/windows/trivial_window.exe
services=$build/tests/windows/services_window.exe
uidriver=$build/tools/uidriver/uidriver.exe
for f in "$zorn" "$trivial" "$services" "$uidriver" "$plcsim"; do
  [ -x "$f" ] || { echo "footprint: $f is missing" >&2; exit 1; }
done
work=$build/footprint
rm -rf "$work"
mkdir -p "$work/zorn" "$work/trivial"
cp "$zorn" "$work/zorn/"
cp "$trivial" "$services" "$work/trivial/"
cp "$build/resources/generated/wave1.wav" "$work/trivial/sound.wav"
port=4471
sed "s/^tcp_port=.*/tcp_port=$port\r/" scripts/demo/config.ini >"$work/zorn/config.ini"
cp scripts/demo/user_settings.ini scripts/demo/blocks.txt "$work/zorn/"

prefix=$(scripts/wine-run.sh --prefix "$work/zorn/zorn.exe")
display=:$(( 100 + $(printf '%s' "$prefix" | cksum | cut -d' ' -f1) % 400 ))
[ -n "${DISPLAY:-}" ] && display=$DISPLAY
# Makes the prefix and the display if needed.
scripts/wine-run.sh "$uidriver" windows >/dev/null

pids=()
# wine-run.sh runs the program under `timeout`, which passes a signal on.
cleanup() {
  local p c
  for p in "${pids[@]}"; do
    for c in $(ps -o pid= --ppid "$p" 2>/dev/null); do kill "$c" 2>/dev/null || true; done
    kill "$p" 2>/dev/null || true
  done
}
trap cleanup EXIT

# Seconds from the start of EXE until a visible window titled TITLE exists.
start_time() {
  local exe=$1 title=$2 cold=$3
  # A program started while the old wineserver is still going down can end
  # at once; -w waits until it is gone.
  if [ "$cold" = cold ]; then
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix timeout 30 wineserver -w 2>/dev/null || true
    sleep 1
  fi
  local t0 t1
  t0=$(date +%s.%N)
  ZORN_WINE_TIMEOUT=60 setsid scripts/wine-run.sh "$exe" >/dev/null 2>&1 </dev/null &
  local pid=$!
  until DISPLAY=$display xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    sleep 0.01
    kill -0 "$pid" 2>/dev/null || { echo "footprint: $exe ended early" >&2; return 1; }
  done
  t1=$(date +%s.%N)
  scripts/wine-run.sh "$uidriver" close --title "$title" >/dev/null 2>&1 || true
  local end=$((SECONDS + 20))
  while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $end ]; do sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$t0 $t1" | awk '{printf "%.2f", $2 - $1}'
}

median() { tr ' ' '\n' | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

declare -A result
for kind in cold warm; do
  z=() t=()
  for _ in 1 2 3; do
    z+=("$(start_time "$work/zorn/zorn.exe" "ЗОРН v3.3" $kind)")
    t+=("$(start_time "$work/trivial/trivial_window.exe" "Trivial window" $kind)")
  done
  result[zorn_$kind]="$(echo "${z[@]}" | median) s (${z[*]})"
  result[trivial_$kind]="$(echo "${t[@]}" | median) s (${t[*]})"
done

# The programs side by side for the measured times; plcsim waits for zorn's link.
"$plcsim" --tcp "127.0.0.1:$port" --blocks "$work/zorn/blocks.txt" --connect-timeout 0 --reconnect --quiet &
pids+=($!)
ZORN_WINE_TIMEOUT=$((3 * seconds + 90)) setsid scripts/wine-run.sh "$work/zorn/zorn.exe" >/dev/null 2>&1 </dev/null &
pids+=($!)
ZORN_WINE_TIMEOUT=$((3 * seconds + 90)) setsid scripts/wine-run.sh "$work/trivial/trivial_window.exe" >/dev/null 2>&1 </dev/null &
pids+=($!)
ZORN_WINE_TIMEOUT=$((3 * seconds + 90)) setsid scripts/wine-run.sh "$work/trivial/trivial_window.exe" \
  "Z:$work/trivial/sound.wav" >/dev/null 2>&1 </dev/null &
pids+=($!)
ZORN_WINE_TIMEOUT=$((3 * seconds + 90)) setsid scripts/wine-run.sh "$work/trivial/services_window.exe" \
  "Z:$work/trivial/sound.wav" >/dev/null 2>&1 </dev/null &
pids+=($!)
scripts/wine-run.sh "$uidriver" wait --title "ЗОРН v3.3" --class ZornForm --timeout 60000 >/dev/null

# The Wine process of the program itself: its command line starts with the path.
process_of() { pgrep -f "^$1" | head -1; }
zpid=$(process_of "$work/zorn/zorn.exe")
tpid=$(process_of "$work/trivial/trivial_window.exe\$")
sound_pid=$(process_of "$work/trivial/trivial_window.exe Z:")
services_pid=$(process_of "$work/trivial/services_window.exe")
spid=""
for p in $(pgrep wineserver); do
  grep -qz "^WINEPREFIX=$prefix\$" "/proc/$p/environ" 2>/dev/null && spid=$p
done
[ -n "$spid" ] || { echo "footprint: no wineserver of $prefix" >&2; exit 1; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
share() { awk -v a="$1" -v b="$2" -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f %%", (b - a) / hz / s * 100}'; }
rss() { awk '/^VmRSS/ {printf "%.1f MB", $2 / 1024}' "/proc/$1/status"; }
# CPU shares over SECONDS as "zorn|trivial window|wineserver|window with services".
measure() {
  local z0 t0 s0 w0
  z0=$(ticks "$zpid") t0=$(ticks "$tpid") s0=$(ticks "$spid") w0=$(ticks "$services_pid")
  sleep "$seconds"
  echo "$(share "$z0" "$(ticks "$zpid")")|$(share "$t0" "$(ticks "$tpid")")|$(share "$s0" "$(ticks "$spid")")|$(
    share "$w0" "$(ticks "$services_pid")")"
}
column() { echo "$1" | cut -d'|' -f"$2"; }

# Not linked, the cursor on the panel's empty part.
scripts/wine-run.sh "$uidriver" move --title "ЗОРН v3.3" --class ZornForm --at 200,250 >/dev/null
idle=$(measure)
scripts/wine-run.sh "$uidriver" click --title "ЗОРН v3.3" --class ZornForm --ctl-text Старт >/dev/null
scripts/wine-run.sh "$uidriver" wait-text --title "ЗОРН v3.3" --class ZornForm --ctl-text Стоп --equals Стоп \
  --timeout 10000 >/dev/null || echo "footprint: zorn did not link to plcsim" >&2
linked=$(measure)
zorn_rss=$(rss "$zpid") trivial_rss=$(rss "$tpid") sound_rss=$(rss "$sound_pid")
services_rss=$(rss "$services_pid")
# The same again with the cursor resting on the panel's empty part instead of
# the button it clicked: Wine looks at the cursor several times a second while
# it rests on a button, to end the button's hot look when it leaves.
scripts/wine-run.sh "$uidriver" move --title "ЗОРН v3.3" --class ZornForm --at 200,250 >/dev/null
off=$(measure)
# The window with services with the cursor resting on its button: what that
# watch costs a themed button of the platform's own.
scripts/wine-run.sh "$uidriver" move --title "Window with services" --ctl-text Button >/dev/null
services_on_button=$(measure)

printf '%-34s %-28s %-28s\n' "" "zorn.exe" "trivial window"
printf '%-34s %-28s %-28s\n' "file size" "$(stat -c %s "$zorn") bytes" "$(stat -c %s "$trivial") bytes"
printf '%-34s %-28s %-28s\n' "start to window, cold Wine" "${result[zorn_cold]}" "${result[trivial_cold]}"
printf '%-34s %-28s %-28s\n' "start to window, warm Wine" "${result[zorn_warm]}" "${result[trivial_warm]}"
printf '%-34s %-28s %-28s\n' "resident, linked $seconds s (VmRSS)" "$zorn_rss" "$trivial_rss"
printf '%-34s %-28s %-28s\n' "  trivial window with sound" "" "$sound_rss"
printf '%-34s %-28s %-28s\n' "  window with services and sound" "" "$services_rss"
printf '%-34s %-28s %-28s\n' "CPU over $seconds s, not linked" "$(column "$idle" 1)" "$(column "$idle" 2)"
printf '%-34s %-28s\n' "  wineserver" "$(column "$idle" 3) (all four programs together)"
printf '%-34s %-28s %-28s\n' "CPU over $seconds s, linked" "$(column "$linked" 1)" "$(column "$linked" 2)"
printf '%-34s %-28s\n' "  wineserver" "$(column "$linked" 3)"
printf '%-34s %-28s %-28s\n' "the same, cursor off the buttons" "$(column "$off" 1)" "$(column "$off" 2)"
printf '%-34s %-28s\n' "  wineserver" "$(column "$off" 3)"
printf '%-34s %-28s %-28s\n' "window with services, cursor on" "" "$(column "$services_on_button" 4)"
printf '%-34s %-28s\n' "  its button; wineserver" "$(column "$services_on_button" 3)"

scripts/wine-run.sh "$uidriver" tray-click --index 0 --button right -- menu-pick --title "ЗОРН v3.3" \
  --class ZornForm --hidden Закрыть --layout Закрыть >/dev/null 2>&1 || true
scripts/wine-run.sh "$uidriver" close --title "Trivial window" >/dev/null 2>&1 || true
scripts/wine-run.sh "$uidriver" close --title "Trivial window with sound" >/dev/null 2>&1 || true
scripts/wine-run.sh "$uidriver" close --title "Window with services" >/dev/null 2>&1 || true
