#!/usr/bin/env bash
# Runs link_wine.exe under Wine against two native plcsims: one on the far
# end of a socat pseudo-terminal pair whose near end is COM<n> of the test
# prefix, one as a TCP client of a free loopback port. Afterwards checks
# what each plcsim received.
#   link_wine.sh <wine-run.sh> <link_wine.exe> <plcsim> <n>
set -uo pipefail
export LC_ALL=C

runner=$1
exe=$2
plcsim=$3
com=$4

fail() {
  echo "link_wine: $*" >&2
  exit 1
}


command -v python3 >/dev/null || fail "python3 is missing"
[ -x "$plcsim" ] || fail "no native plcsim at $plcsim"
. "$(dirname "$0")/com_pty.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/zorn-link.XXXXXX")
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  com_pty_close
  rm -rf "$work"
}
trap cleanup EXIT
com_pty_open "$runner" "$exe" "$com" "$work" || fail "no serial line"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$work/blocks.txt" <<'EOF'
in bool 1 const 1
in int 3 const 12
in str 5 const pump
out bool 4 const 0
EOF

"$plcsim" --serial "$work/dev" --blocks "$work/blocks.txt" --log "$work/serial.log" \
  2>"$work/plcsim-serial.err" &
pids+=($!)
"$plcsim" --tcp "127.0.0.1:$port" --connect-timeout 60000 --blocks "$work/blocks.txt" \
  --log "$work/tcp.log" 2>"$work/plcsim-tcp.err" &
tcp_pid=$!
pids+=($tcp_pid)

"$runner" "$exe" "$com" "$port"
rc=$?

# The bytes each plcsim received, trailing line ends kept.
received() {
  local text
  text=$(cat "$2"; echo x)
  printf -v "$1" '%s' "${text%x}"
}
checks=0
expect() {
  if [ "$2" = yes ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1"
    checks=$((checks + 1))
  fi
}
has() { [[ $1 == *"$2"* ]] && echo yes || echo no; }

received serial "$work/serial.log"
expect "serial: the scan request, unframed" "$( [[ $serial == scan$'\n'* || $serial == *$'\n'scan$'\n'* ]] && echo yes || echo no)"
expect "serial: polls framed as CR ref LF" "$(has "$serial" $'\rref\n')"
expect "serial: the command as 0D 31 3B 34 0A" "$(has "$serial" $'\r1;4\n')"
expect "serial: raw text unchanged" "$(has "$serial" $'\n1;9\n')"

# The TCP plcsim ends by itself once the panel closes the link.
for _ in $(seq 100); do
  kill -0 "$tcp_pid" 2>/dev/null || break
  sleep 0.05
done
wait "$tcp_pid"
tcp_rc=$?
expect "tcp: plcsim ended when the panel closed the link" "$( [ $tcp_rc -eq 0 ] && echo yes || echo no)"
received tcp "$work/tcp.log"
expect "tcp: the scan request first, at once" "$( [[ $tcp == scan$'\n'* ]] && echo yes || echo no)"
expect "tcp: the command framed" "$(has "$tcp" $'\r1;4\n')"

if [ $rc -ne 0 ] || [ $checks -ne 0 ]; then
  echo "--- plcsim (serial)"; cat "$work/plcsim-serial.err"
  echo "--- plcsim (tcp)"; cat "$work/plcsim-tcp.err"
  fail "program exit $rc, failed wire checks $checks"
fi
echo "link_wine: passed"
