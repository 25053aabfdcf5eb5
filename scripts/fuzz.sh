#!/usr/bin/env bash
# Builds the fuzzing flavour (build-fuzz/) and runs each fuzz target for a
# fixed budget, one after another, at low priority.
#
#   scripts/fuzz.sh [--runs N | --seconds S] [--max-seconds S] [--seed K]
#                   [--jobs J] [--no-build] [TARGET ...]
#
# TARGET is a name of tests/fuzz/NAME_fuzz.cpp (all of them by default). The
# budget is per target: N executions (default 10000000) or S seconds; with
# --max-seconds a run of N executions also ends after S seconds. --seed K
# makes the mutations repeatable (a short run in CI should not pass or fail
# by chance); without it every run explores afresh. --jobs J runs J
# processes per target side by side (one per core), each with its share of
# the executions and a seed of its own, over the same corpus; the line
# printed is their sum. Each
# target starts from its seed corpus (tests/fuzz/corpus/NAME) and keeps what it
# finds in build-fuzz/fuzz-corpus/NAME; a crash, leak, time-out or sanitizer
# report is saved in build-fuzz/fuzz-artifacts/NAME and ends the run of that
# target. Prints one line per target and exits non-zero when any failed.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10000000
seconds=0
max_seconds=0
seed=
jobs=1
build=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; seconds=0; shift 2 ;;
    --seconds) seconds="$2"; runs=0; shift 2 ;;
    --max-seconds) max_seconds="$2"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    --jobs) jobs="$2"; shift 2 ;;
    --no-build) build=0; shift ;;
    -h|--help) sed -n '2,21p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
positive() {
  case "$2" in
    '' | *[!0-9]* | 0) echo "fuzz.sh: $1 takes a positive number" >&2; exit 2 ;;
  esac
}
positive --jobs "$jobs"
[ "$seconds" = 0 ] && positive --runs "$runs"
[ "$seconds" != 0 ] && positive --seconds "$seconds"
[ "$max_seconds" != 0 ] && positive --max-seconds "$max_seconds"
case "$seed" in
  *[!0-9]*) echo "fuzz.sh: --seed takes a number" >&2; exit 2 ;;
esac
# More jobs than executions would leave some with nothing to do.
[ "$seconds" = 0 ] && [ "$runs" -lt "$jobs" ] && jobs=$runs
if [ ${#targets[@]} -eq 0 ]; then
  for f in tests/fuzz/*_fuzz.cpp; do
    n=$(basename "$f" .cpp)
    targets+=("${n%_fuzz}")
  done
fi

[ "$build" = 1 ] && scripts/build.sh --fuzz >/dev/null

# No allocation stacks: recording 30 frames per allocation would halve the
# speed of the link target, and even 4 frames cost it a seventh. Every fault
# is still caught; to see where the memory came from, replay the saved input
# with full stacks (build-fuzz/tests/fuzz/fuzz_NAME FILE).
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1:malloc_context_size=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# Inputs as large as a data file or a whole transfer.
max_len() {
  case "$1" in
    link) echo 20000 ;;
    data_file|blocks|csv) echo 8200 ;;
    report) echo 8500 ;;
    *) echo 4096 ;;
  esac
}

status=0
printf '%-14s %12s %9s %9s %7s  %s\n' target executions seconds "exec/s" corpus result
for t in "${targets[@]}"; do
  exe=build-fuzz/tests/fuzz/fuzz_$t
  if [ ! -x "$exe" ]; then
    echo "fuzz.sh: no fuzz target $t" >&2
    status=1
    continue
  fi
  corpus=build-fuzz/fuzz-corpus/$t
  artifacts=build-fuzz/fuzz-artifacts/$t
  log=build-fuzz/fuzz-$t.log
  mkdir -p "$corpus" "$artifacts"
  start=$(date +%s.%N)
  pids=()
  logs=()
  for ((j = 1; j <= jobs; ++j)); do
    # Job 1 writes fuzz-NAME.log, the others fuzz-NAME.J.log; the last job
    # takes what the division leaves over.
    share=$((runs / jobs))
    [ "$j" = "$jobs" ] && share=$((runs - share * (jobs - 1)))
    budget=(-runs="$share")
    [ "$max_seconds" != 0 ] && budget+=(-max_total_time="$max_seconds")
    [ "$seconds" != 0 ] && budget=(-max_total_time="$seconds")
    [ -n "$seed" ] && budget+=(-seed="$((seed + j - 1))")
    jlog=$log
    [ "$j" != 1 ] && jlog=build-fuzz/fuzz-$t.$j.log
    logs+=("$jlog")
    nice -n 10 "$exe" "${budget[@]}" -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$t")" \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "tests/fuzz/corpus/$t" \
      >"$jlog" 2>&1 &
    pids+=($!)
  done
  failed=()
  for j in "${!pids[@]}"; do
    wait "${pids[$j]}" || failed+=("${logs[$j]}")
  done
  end=$(date +%s.%N)
  execs=0
  for jlog in "${logs[@]}"; do
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$jlog" | tail -1)
    if [ -z "$n" ]; then
      execs='?'
      break
    fi
    execs=$((execs + n))
  done
  secs=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.0f", b - a }')
  rate=0
  [ "$execs" != '?' ] && rate=$(awk -v e="$execs" -v s="$secs" 'BEGIN { printf "%.0f", (s > 0 ? e / s : 0) }')
  units=$(find "$corpus" -type f | wc -l)
  result=ok
  if [ ${#failed[@]} != 0 ]; then
    result="FAILED (see ${failed[*]})"
    status=1
  fi
  printf '%-14s %12s %9s %9s %7s  %s\n' "$t" "$execs" "$secs" "$rate" "$units" "$result"
done
exit $status
