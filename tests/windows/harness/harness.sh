# Shared pieces of the Windows tests that drive a program with uidriver;
# a test script sources this file:
#
#   . harness.sh
#   harness_init WINE_RUN UIDRIVER WORK_DIR   fresh working folder, made the current one
#   harness_start NAME EXE [ARGS...]          EXE under wine-run.sh in the background
#   uid ARGS...                               one uidriver run: UID_OUT, UID_ERR, UID_RC
#   check DESCRIPTION COMMAND...              "ok" or "FAIL" with the description
#   log_mark FILE / log_wait FILE REGEX [S] / log_since FILE
#   harness_wait_exit NAME [SECONDS]          the program's exit code in H_RC
#   harness_finish                            stops what is left, prints the count, exits
#   has TEXT PART / rc_is CODE                the last uidriver run's output and exit code
#   free_port                                 a free TCP port on loopback
#   plcsim_tcp PLCSIM PORT [FROM]             plcsim as the TCP controller (blocks.txt), from the
#                                             local address FROM if given, its received bytes
#                                             escaped in wire.log; pid in PLCSIM_PID
#   wire_has TEXT [S]                         wire.log holds TEXT within S seconds
#   MAIN / close_from_tray                    zorn's main window for uid; "Закрыть" picked
#                                             from its tray icon's menu
#
# harness.cmake's zorn_wine_ui_test passes the first three arguments.
# Every program runs through scripts/wine-run.sh: the build folder's Wine
# prefix, the shared Xvfb and its watchdog. Cyrillic words on uidriver's
# command line reach it as UTF-8 (LC_ALL=C.UTF-8); what it prints is UTF-8.
# The working folder is kept after the run with the programs' output, logs
# and screenshots.

export LC_ALL=C.UTF-8
H_FAILURES=0
H_MARK=0
declare -A H_PID=()

harness_init() {
  H_WINE_RUN=$1
  H_UIDRIVER=$2
  H_WORK=$3
  rm -rf "$H_WORK"
  mkdir -p "$H_WORK"
  cd "$H_WORK" || exit 1
  trap harness_cleanup EXIT
}

# NAME.out and NAME.err in the working folder get the program's output when
# it ends (wine-run.sh holds it until then).
harness_start() {
  local name=$1
  shift
  setsid "$H_WINE_RUN" "$@" >"$name.out" 2>"$name.err" </dev/null &
  H_PID[$name]=$!
}

harness_wait_exit() {
  local name=$1 seconds=${2:-15}
  local pid=${H_PID[$name]}
  local end=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null; do
    if [ $SECONDS -ge $end ]; then
      H_RC=
      return 1
    fi
    sleep 0.05
  done
  wait "$pid"
  H_RC=$?
  unset "H_PID[$name]"
  return 0
}

# wine-run.sh runs the program under `timeout`, which forwards the signal
# to the program's process group.
harness_stop() {
  local pid=${H_PID[$1]:-}
  [ -n "$pid" ] || return 0
  local child
  for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do kill "$child" 2>/dev/null; done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  unset "H_PID[$1]"
}

harness_cleanup() {
  local name
  for name in "${!H_PID[@]}"; do
    echo "harness: stopping $name, still running" >&2
    harness_stop "$name"
  done
}

uid() {
  local out err
  out=$(mktemp) err=$(mktemp)
  "$H_WINE_RUN" "$H_UIDRIVER" "$@" >"$out" 2>"$err"
  UID_RC=$?
  UID_OUT=$(cat "$out")
  UID_ERR=$(cat "$err")
  rm -f "$out" "$err"
  {
    echo "\$ uidriver $*"
    [ -n "$UID_OUT" ] && echo "$UID_OUT"
    [ -n "$UID_ERR" ] && echo "$UID_ERR"
    echo "(exit $UID_RC)"
  } >>uidriver.transcript
  return 0
}

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    H_FAILURES=$((H_FAILURES + 1))
  fi
}

# The line count of FILE now; log_wait and log_since look after it.
log_mark() {
  H_MARK=$(wc -l <"$1" 2>/dev/null || echo 0)
}

log_since() {
  tail -n +$((H_MARK + 1)) "$1" 2>/dev/null
}

# A line after the mark matching the extended regular expression.
log_wait() {
  local file=$1 regex=$2 seconds=${3:-5}
  local end=$((SECONDS + seconds))
  until log_since "$file" | grep -Eq -- "$regex"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.05
  done
}

has() { grep -Fq -- "$2" <<<"$1"; }
rc_is() { [ "$UID_RC" -eq "$1" ]; }

# Below the ephemeral range (the local ports connect picks): plcsim retrying
# a port of that range before zorn listens could be given it as its own
# port and connect to itself.
free_port() {
  python3 - <<'PY'
import random, socket
try:
    first, last = map(int, open("/proc/sys/net/ipv4/ip_local_port_range").read().split())
except Exception:
    first, last = 32768, 60999
low, high = (10000, first - 1) if first - 1 - 10000 >= 1000 else (last + 1, 65535)
for _ in range(500):
    port = random.randint(low, high)
    s = socket.socket()
    try:
        s.bind(("0.0.0.0", port))
    except OSError:
        continue
    finally:
        s.close()
    print(port)
    break
PY
}

plcsim_tcp() {
  "$1" --tcp "127.0.0.1:$2" ${3:+--from "$3"} --blocks blocks.txt --log wire.log --log-hex \
    --connect-timeout 60000 --quiet &
  PLCSIM_PID=$!
}

wire_has() {
  local end=$((SECONDS + ${2:-10}))
  until grep -Fq -- "$1" wire.log 2>/dev/null; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

MAIN=(--title "ЗОРН v3.3" --class ZornForm)
close_from_tray() {
  uid tray-click --index 0 --button right -- menu-pick "${MAIN[@]}" --hidden Закрыть --layout Закрыть
}

harness_finish() {
  harness_cleanup
  trap - EXIT
  echo "$H_FAILURES failure(s); files in $H_WORK"
  [ "$H_FAILURES" -eq 0 ]
  exit $?
}
