#!/usr/bin/env bash
# Saves under SIGKILL: the desktop program (offscreen) saving a data file
# over and over, and `kp07 upload --out` against the simulated radio, are
# killed at random moments; the file must always be either the old or the
# new complete 7815 bytes, and no temporary file may stay behind.
#
#   scripts/kill_saves.sh [--runs N] [--seed S] [--no-build]
#
# N kills of each (default 100), seed S (default 1). Uses the plain build;
# works in build/kill_saves.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=100
seed=1
build=1
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    --no-build) build=0; shift ;;
    -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
    *) echo "kill_saves.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ "$build" = 1 ] && scripts/build.sh >/dev/null

work=$PWD/build/kill_saves
rm -rf "$work"
mkdir -p "$work"
chmod 700 "$work"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
driver=build/bench/driver_save_kill

"$driver" prepare "$work"
status=0
"$driver" kill-desktop "$work" "$runs" "$seed" || status=1
"$driver" kill-upload "$work" "$runs" "$seed" build/tools/kr318-sim build/tools/kp07 || status=1
exit $status
