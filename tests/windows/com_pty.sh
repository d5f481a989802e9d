# Sourced by the Windows tests that need a serial line: COM<n> of the test
# prefix leading to one end of a socat pseudo-terminal pair.
#   com_pty_open <wine-run.sh> <program.exe> <n> <work folder>
# runs the program once with --ready (so that the prefix exists), makes
# <work>/com (the prefix's COM<n>) and <work>/dev (the device's end), and
# sets COM_LINK (the prefix's link, removed by com_pty_close) and SOCAT_PID.
# Returns nonzero with a message on standard error when anything is missing.
com_pty_open() {
  local runner=$1 exe=$2 n=$3 work=$4 prefix
  command -v socat >/dev/null || { echo "socat is missing (scripts/setup.sh installs it)" >&2; return 1; }
  "$runner" "$exe" --ready || { echo "wine did not start" >&2; return 1; }
  prefix=$("$runner" --prefix "$exe")
  [ -d "$prefix/dosdevices" ] || { echo "no dosdevices in $prefix" >&2; return 1; }
  socat pty,raw,echo=0,link="$work/com" pty,raw,echo=0,link="$work/dev" 2>"$work/socat.err" &
  SOCAT_PID=$!
  for _ in $(seq 100); do
    [ -e "$work/com" ] && [ -e "$work/dev" ] && break
    sleep 0.05
  done
  if ! [ -e "$work/com" ] || ! [ -e "$work/dev" ]; then
    echo "socat made no pseudo-terminals: $(cat "$work/socat.err")" >&2
    return 1
  fi
  # Held open for the whole run: when the program closes its end and no other
  # descriptor holds it, socat takes the hang-up for the end of the line and quits.
  exec 4<>"$work/com"
  COM_LINK="$prefix/dosdevices/com$n"
  ln -sfn "$work/com" "$COM_LINK"
}

com_pty_close() {
  [ -n "${SOCAT_PID:-}" ] && kill "$SOCAT_PID" 2>/dev/null
  [ -L "${COM_LINK:-}" ] && rm -f "$COM_LINK"
  return 0
}
