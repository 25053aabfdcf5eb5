#!/usr/bin/env bash
# Times the radio link against kr318-sim pacing its bytes at the real
# character time, through the real serial driver (kp07 on a pseudo-terminal):
#  - a full upload at 9600 and at 19200 baud, against the wire-time limit:
#    the characters that must cross the line x 11 bits / baud, plus the pauses
#    the radio needs (2 ms after each block request, 140 ms in each port
#    set-up); the upload must take at most 1.05 x that;
#  - the CPU time of kp07 during the upload (must stay under 5% of its wall time);
#  - a download of the unchanged image (must write one block: the last).
# Usage: scripts/bench_link.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
sim="$build/tools/kr318-sim"
kp07="$build/tools/kp07"
if [ ! -x "$sim" ] || [ ! -x "$kp07" ]; then
  scripts/build.sh >/dev/null
  build=build sim=build/tools/kr318-sim kp07=build/tools/kp07
fi

work="$(mktemp -d)"
simpid=""
cleanup() {
  if [ -n "$simpid" ]; then kill "$simpid" 2>/dev/null || true; wait "$simpid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The radio holds the image of a new document (kr318-sim creates the memory
# file that way when it is missing).

start_sim() {  # start_sim BAUD -> sets simpid and dev
  "$sim" --clone "$1" --memory "$work/radio.bin" -v >"$work/sim.out" 2>"$work/sim.err" &
  simpid=$!
  for _ in $(seq 100); do
    dev="$(head -n1 "$work/sim.out" 2>/dev/null || true)"
    [ -n "$dev" ] && return 0
    sleep 0.05
  done
  echo "bench: kr318-sim did not start" >&2
  exit 1
}
stop_sim() {
  kill "$simpid"
  wait "$simpid" 2>/dev/null || true
  simpid=""
}

# Characters on the wire per upload: block 0 once to see whether the radio
# listens, then all 61 blocks; each is a 4-byte request and a 131-byte reply.
chars=$(( 62 * (4 + 131) ))
pauses_ms=$(( 61 * 2 + 3 * 140 ))
status=0

printf '%-8s %10s %10s %8s %8s %8s\n' baud upload_s limit_s ratio cpu_s cpu_pct
for baud in 9600 19200; do
  start_sim "$baud"
  TIMEFORMAT='%R %U %S'
  { time "$kp07" upload --device "$dev" --speed "$baud" --out "$work/up.K07" 2>"$work/kp07.err" ; } 2>"$work/time"
  read -r wall user sys <"$work/time"
  stop_sim
  if ! cmp -s <(head -c 7807 "$work/up.K07") <(head -c 7807 "$work/radio.bin"); then
    status=1
    echo "bench: uploaded image differs from the radio's memory" >&2
  fi
  awk -v c="$chars" -v b="$baud" -v p="$pauses_ms" -v w="$wall" -v u="$user" -v s="$sys" '
    BEGIN {
      limit = c * 11 / b + p / 1000
      ratio = w / limit
      cpu = u + s
      pct = 100 * cpu / w
      printf "%-8d %10.3f %10.3f %8.3f %8.3f %7.2f%%\n", b, w, limit, ratio, cpu, pct
      exit !(ratio <= 1.05 && pct < 5)
    }' || status=1
done

# Download of the image just uploaded: the radio already holds every block.
start_sim 19200
"$kp07" download --device "$dev" --speed 19200 "$work/up.K07" 2>"$work/kp07.err" || status=1
stop_sim
written=$(grep -c 'written$' "$work/sim.err" || true)
blocks=$( (grep 'written$' "$work/sim.err" || true) | sed 's/.*block \([0-9]*\) written/\1/' | tr '\n' ' ')
echo "download of the unchanged image: $written block(s) written: ${blocks}"
[ "$written" = 1 ] || status=1

if [ "$status" -eq 0 ]; then echo "bench: PASS"; else echo "bench: FAIL"; fi
exit "$status"
