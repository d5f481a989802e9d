#!/usr/bin/env bash
# The run command: installs what is missing, builds zorn.exe (i686) and the
# controller simulator, prepares a demonstration folder and starts zorn under
# Wine with plcsim as its controller on 127.0.0.1:4455. Ends when zorn ends.
# Without a display it runs on Xvfb and keeps a screenshot every 5 s.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${ZORN_BUILD_ROOT:-build}

scripts/setup.sh
# Release and stripped, as the program is shipped. A machine that runs no
# 32-bit code gets the x86_64 program.
tree=win32 toolchain=cmake/mingw-i686.cmake
if ! scripts/wine-run.sh --runs-32bit; then
  tree=win64 toolchain=cmake/mingw-x86_64.cmake
  echo "run: this machine runs no 32-bit code; zorn.exe is the x86_64 program"
fi
cmake -S . -B "$root/$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE=$toolchain -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/$tree" -j2 --target zorn
cmake -S . -B "$root/native" -G Ninja >/dev/null
cmake --build "$root/native" -j2 --target plcsim

# The settings of the demonstration are kept between runs: the operator's
# changes stay, and a fresh copy comes only when a file is missing.
demo=$(mkdir -p "$root/demo" && cd "$root/demo" && pwd)
cp "$root/$tree/runtime/program/zorn.exe" "$demo/"
for f in config.ini user_settings.ini blocks.txt; do
  [ -f "$demo/$f" ] || cp "scripts/demo/$f" "$demo/"
done

plcsim=$root/native/tools/plcsim/plcsim
"$plcsim" --tcp 127.0.0.1:4455 --blocks "$demo/blocks.txt" --connect-timeout 0 --reconnect \
  --log "$demo/plcsim-received.log" --quiet &
plcsim_pid=$!
shots_pid=""
trap 'kill $plcsim_pid $shots_pid 2>/dev/null || true' EXIT
echo "run: plcsim plays the controller on 127.0.0.1:4455 (bytes received: $demo/plcsim-received.log)"

export ZORN_WINEPREFIX=$(cd "$root/$tree" && pwd)/wineprefix
if [ -z "${DISPLAY:-}" ]; then
  # wine-run.sh starts the prefix's Xvfb on a display number of its own.
  display=$(( 100 + $(printf '%s' "$ZORN_WINEPREFIX" | cksum | cut -d' ' -f1) % 400 ))
  mkdir -p "$demo/screenshots"
  echo "run: no display; zorn runs on Xvfb :$display, screenshots go to $demo/screenshots"
  (
    n=0
    while sleep 5; do
      DISPLAY=:$display import -window root "$demo/screenshots/zorn-$(printf '%04d' $n).png" \
        2>/dev/null && n=$((n + 1))
    done
  ) &
  shots_pid=$!
fi
ZORN_WINE_TIMEOUT=0 scripts/wine-run.sh "$demo/zorn.exe" "$@"
