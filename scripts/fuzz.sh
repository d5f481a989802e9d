#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang's libFuzzer and runs each for a
# while; exits nonzero when a target crashes or a property breaks, and keeps
# the input that did it in <build>/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [seconds per target (default 15)] [target ...]
#
# Targets: line_assembler mask format numbers ini_text splitters (all by
# default). Each starts from its seeds in fuzz/corpus/<target>/ and from what
# earlier runs found, kept in <build>/fuzz/corpus/<target>/. Two targets run
# at a time (ZORN_FUZZ_JOBS). The build goes under $ZORN_BUILD_ROOT (build/).
set -uo pipefail
cd "$(dirname "$0")/.."
root=${ZORN_BUILD_ROOT:-build}
seconds=${1:-15}
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(line_assembler mask format numbers ini_text splitters)
jobs=${ZORN_FUZZ_JOBS:-2}
dir="$root/fuzz"

python3 fuzz/check_literals.py || exit 1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S fuzz -B "$dir" -G Ninja "${launcher[@]}" >/dev/null &&
  cmake --build "$dir" -j2 >/dev/null || { echo "fuzz: build failed" >&2; exit 1; }

# run_one <target>: its log is <build>/fuzz/logs/<target>.log.
run_one() {
  local t=$1 seeds="fuzz/corpus/$1" corpus="$dir/corpus/$1" findings="$dir/findings/$1"
  mkdir -p "$corpus" "$findings" "$dir/logs"
  "$dir/${t}_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds" \
    >"$dir/logs/$t.log" 2>&1
  local rc=$? runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/logs/$t.log")
  if [ $rc -eq 0 ]; then
    echo "fuzz: $t: ${runs:-?} runs in ${seconds} s, nothing found"
  else
    echo "fuzz: $t FAILED (exit $rc); see $dir/logs/$t.log and $findings/" >&2
    grep -m1 -A3 -E 'broken property|ERROR: |runtime error' "$dir/logs/$t.log" >&2
  fi
  return $rc
}

failed=0
pids=()
for t in "${targets[@]}"; do
  if [ ! -d "fuzz/corpus/$t" ]; then
    echo "fuzz: no target $t" >&2
    failed=1
    continue
  fi
  run_one "$t" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || failed=1; done
exit $failed
