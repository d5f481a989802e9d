#!/usr/bin/env bash
# Runs serial_wine.exe under Wine on COM<n> of the test prefix, where COM<n>
# is one end of a socat pseudo-terminal pair and this script plays the
# device on the other end:
#   serial_wine.sh <wine-run.sh> <serial_wine.exe> <n>
# Every wait has a limit; a device side that hears nothing fails the run.
set -uo pipefail
export LC_ALL=C

runner=$1
exe=$2
com=$3

fail() {
  echo "serial_wine: $*" >&2
  exit 1
}

. "$(dirname "$0")/com_pty.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/zorn-serial.XXXXXX")
exe_pid=""
cleanup() {
  [ -n "$exe_pid" ] && kill "$exe_pid" 2>/dev/null
  com_pty_close
  rm -rf "$work"
}
trap cleanup EXIT
com_pty_open "$runner" "$exe" "$com" "$work" || fail "no serial line"
exec 3<>"$work/dev"

"$runner" "$exe" "$com" >"$work/out" 2>&1 &
exe_pid=$!

# Reads one line from the device side into $line, while the program runs,
# for at most $1 seconds.
read_line() {
  local limit=$1 part
  line=""
  local deadline=$((SECONDS + limit))
  while [ $SECONDS -lt $deadline ]; do
    if IFS= read -r -t 1 part <&3; then
      line+=$part
      return 0
    fi
    line+=$part
    kill -0 "$exe_pid" 2>/dev/null || return 1
  done
  return 1
}

peer_failures=0
if read_line 60; then
  expected=$'hello \xe7\xee\xf0\xed\r'
  if [ "$line" = "$expected" ]; then
    echo "device: got the greeting"
  else
    echo "device: FAILED: greeting was $(printf '%q' "$line")"
    peer_failures=$((peer_failures + 1))
  fi
  printf 'ack:%s\n' "$line" >&3
  printf '%*s\n' 2000 '' | tr ' ' x >&3
  if read_line 60 && [ "$line" = "bye" ]; then
    echo "device: got the farewell"
  else
    echo "device: FAILED: farewell was $(printf '%q' "$line")"
    peer_failures=$((peer_failures + 1))
  fi
else
  echo "device: FAILED: nothing came from the program"
  peer_failures=$((peer_failures + 1))
fi

wait "$exe_pid"
rc=$?
exe_pid=""
cat "$work/out"
[ $rc -eq 0 ] && [ $peer_failures -eq 0 ] || fail "program exit $rc, device failures $peer_failures"
echo "serial_wine: passed"
