#!/usr/bin/env bash
# Soak of the radio link: many transfers, uploads and downloads in turn,
# between `kp07` and `kr318-sim` through the real serial driver on a
# pseudo-terminal, each with faults chosen by a seeded random draw (wrong
# sums, lost replies, refused writes, line noise, a slow or silent radio, a
# pulled lead, a radio that must be switched off and on). Every transfer
# must end either bit-exact (an upload's file is the radio's memory, a
# downloaded radio holds the file's image) or with the message the link
# gives; a failed upload leaves no file, a download never changes its file,
# and nothing that did not complete is reported as completed.
#
#   scripts/soak.sh [--transfers N] [--seed S] [--paced-every K] [--timeout T]
#                   [--no-build]
#
# N transfers (default 1000), seed S (default 1); every K-th transfer (default
# 10) runs at the real character time, the others without pacing; kp07 gives
# up after T seconds (default 12), a transfer at the real character time after
# T + 30 seconds (a download reads the radio before it writes: at 9600 baud
# that alone is more than 16 s). Uses the plain build; works in build/soak.
set -euo pipefail
cd "$(dirname "$0")/.."

transfers=1000
seed=1
paced_every=10
timeout=12
build=1
while [ $# -gt 0 ]; do
  case "$1" in
    --transfers) transfers="$2"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    --paced-every) paced_every="$2"; shift 2 ;;
    --timeout) timeout="$2"; shift 2 ;;
    --no-build) build=0; shift ;;
    -h|--help) sed -n '2,19p' "$0"; exit 0 ;;
    *) echo "soak.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ "$build" = 1 ] && scripts/build.sh >/dev/null

work=$PWD/build/soak
rm -rf "$work"
mkdir -p "$work/bin"
# Copies of the programs: a rebuild during the run does not change them.
cp build/tools/kr318-sim build/tools/kp07 build/bench/driver_soak "$work/bin/"
sim=$work/bin/kr318-sim
kp07=$work/bin/kp07
edit=$work/bin/driver_soak
cd "$work"
RANDOM=$seed

sim_pid=
stop_sim() {
  if [ -n "$sim_pid" ]; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=
  fi
}
trap stop_sim EXIT

# Starts the simulator with the given options; sets $device.
start_sim() {
  rm -f sim.out sim.err
  "$sim" --memory radio.mem "$@" >sim.out 2>sim.err &
  sim_pid=$!
  device=
  for _ in $(seq 200); do
    device=$(head -n1 sim.out 2>/dev/null || true)
    [ -n "$device" ] && return 0
    sleep 0.02
  done
  echo "soak.sh: the simulator did not start: $(cat sim.err)" >&2
  exit 1
}

rnd() { echo $(( RANDOM % ($2 - $1 + 1) + $1 )); }  # rnd LO HI

# The fault drawn for a transfer: its name and the simulator options.
draw_fault() {
  local r; r=$(rnd 0 99)
  fault_opts=()
  if   [ "$r" -lt 20 ]; then fault=none
  elif [ "$r" -lt 30 ]; then fault=wrong-sums;   fault_opts=(--wrong-sums "$(rnd 1 6)" --fault-period "$(rnd 1 12)")
  elif [ "$r" -lt 40 ]; then fault=lost-replies; fault_opts=(--drop-replies "$(rnd 1 6)" --fault-period "$(rnd 1 12)")
  elif [ "$r" -lt 48 ]; then fault=refused;      fault_opts=(--refuse-writes "$(rnd 1 6)" --fault-period "$(rnd 1 3)")
  elif [ "$r" -lt 58 ]; then fault=noise;        fault_opts=(--noise "$(rnd 1 8)" --seed "$(rnd 1 32767)")
  elif [ "$r" -lt 64 ]; then fault=slow-ack;     fault_opts=(--ack-delay "$(rnd 50 400)")
  elif [ "$r" -lt 70 ]; then fault=silence;      fault_opts=(--silence-after "$(rnd 0 130)")
  elif [ "$r" -lt 76 ]; then fault=pulled-lead;  fault_opts=(--pull-lead "$(rnd 0 130)")
  elif [ "$r" -lt 88 ]; then fault=power-cycle;  fault_opts=(--stray-bytes "$(rnd 0 8)")
  else fault=mixed; fault_opts=(--wrong-sums "$(rnd 1 3)" --drop-replies "$(rnd 1 3)"
                                --fault-period "$(rnd 2 9)" --noise "$(rnd 1 4)" --seed "$(rnd 1 32767)")
  fi
}

# Words of the link's messages and of kp07's own ending.
known_failure='Upload Error!|Download Error!|Check that lead is connected|did not complete within|Hardware configuration mismatched|Problem with COM port|Update the firmware'

declare -A count completed failed
anomalies=0
false_completed=0
lost_upload_files=0
changed_files=0
injected_sums=0 injected_drops=0 injected_refusals=0 injected_noise=0 pulled=0
good_upload=
start_time=$(date +%s)

for i in $(seq 1 "$transfers"); do
  if (( i % 2 )); then kind=upload; else kind=download; fi
  [ -z "$good_upload" ] && kind=upload
  speed=9600; (( RANDOM % 2 )) && speed=19200
  draw_fault
  pacing=(--no-pacing); limit=$timeout
  (( i % paced_every == 0 )) && { pacing=(); limit=$((timeout + 30)); }
  if [ "$fault" = power-cycle ]; then
    start_sim --idle --power-cycle 300 "${fault_opts[@]}" "${pacing[@]}"
  else
    start_sim --clone "$speed" "${fault_opts[@]}" "${pacing[@]}"
  fi

  outcome=
  if [ "$kind" = upload ]; then
    out=up$i.K07
    set +e
    "$kp07" upload --device "$device" --speed "$speed" --timeout "$limit" --out "$out" 2>kp07.err
    rc=$?
    set -e
    stop_sim
    if [ "$rc" = 0 ]; then
      expected=$(head -c 7807 radio.mem | cat - <(head -c 8 /dev/zero) | md5sum | cut -c1-32)
      actual=$(md5sum <"$out" | cut -c1-32)
      if [ "$expected" = "$actual" ] && grep -q 'Upload is completed' kp07.err; then
        outcome=completed
        good_upload=$out
      else
        outcome=FALSE-COMPLETED
      fi
    else
      [ -e "$out" ] && lost_upload_files=$((lost_upload_files + 1))
    fi
  else
    file=dl$i.K07
    if ! "$edit" edit "$good_upload" "$file" "$(rnd 1 32767)"; then
      echo "soak.sh: could not make the file of transfer $i from $good_upload" >&2
      exit 1
    fi
    before=$(md5sum <"$file")
    set +e
    "$kp07" download --device "$device" --speed "$speed" --timeout "$limit" "$file" 2>kp07.err
    rc=$?
    set -e
    stop_sim
    [ "$(md5sum <"$file")" != "$before" ] && changed_files=$((changed_files + 1))
    if [ "$rc" = 0 ]; then
      if cmp -s <(head -c 7807 radio.mem) <(head -c 7807 "$file") &&
         grep -q 'Download is completed' kp07.err; then
        outcome=completed
      else
        outcome=FALSE-COMPLETED
      fi
    fi
    rm -f "$file"
  fi
  if [ -z "$outcome" ]; then
    if [ "$rc" = 1 ] && grep -Eq "$known_failure" kp07.err && ! grep -q 'is completed' kp07.err; then
      outcome=failed
    else
      outcome=ANOMALY
    fi
  fi
  ls -A | grep -q '^\.kp07save\.' && { echo "soak.sh: a temporary file was left" >&2; outcome=ANOMALY; }

  # What the simulator says came into play.
  summary=$(tail -n1 sim.err)
  n=$(sed -n 's/.*, \([0-9]*\) wrong sums.*/\1/p' <<<"$summary"); injected_sums=$((injected_sums + ${n:-0}))
  n=$(sed -n 's/.*, \([0-9]*\) replies dropped.*/\1/p' <<<"$summary"); injected_drops=$((injected_drops + ${n:-0}))
  n=$(sed -n 's/.*, \([0-9]*\) writes refused.*/\1/p' <<<"$summary"); injected_refusals=$((injected_refusals + ${n:-0}))
  n=$(sed -n 's/.*, \([0-9]*\) noise bytes.*/\1/p' <<<"$summary"); injected_noise=$((injected_noise + ${n:-0}))
  grep -q 'lead pulled' <<<"$summary" && pulled=$((pulled + 1))

  key="$kind $fault"
  count[$key]=$(( ${count[$key]:-0} + 1 ))
  case "$outcome" in
    completed) completed[$key]=$(( ${completed[$key]:-0} + 1 )) ;;
    failed) failed[$key]=$(( ${failed[$key]:-0} + 1 ))
            # the message the transfer ended with
            grep -Eo "$known_failure" kp07.err | head -n1 >>messages.txt ;;
    FALSE-COMPLETED)
      false_completed=$((false_completed + 1))
      cp kp07.err "false-completed-$i.err"; cp radio.mem "false-completed-$i.mem"
      echo "soak.sh: transfer $i ($key) reported completed but is not bit-exact" >&2 ;;
    *)
      anomalies=$((anomalies + 1))
      cp kp07.err "anomaly-$i.err"
      echo "soak.sh: transfer $i ($key) ended with status $rc and no known message" >&2 ;;
  esac
  [ "$kind" = upload ] && [ "$outcome" != completed ] && rm -f "up$i.K07"
  [ "$kind" = upload ] && [ "$outcome" = completed ] && [ -n "${previous_upload:-}" ] && rm -f "$previous_upload"
  [ "$kind" = upload ] && [ "$outcome" = completed ] && previous_upload=$good_upload
  if (( i % 50 == 0 )); then
    echo "soak: $i transfers, $(( $(date +%s) - start_time )) s" >&2
  fi
done
elapsed=$(( $(date +%s) - start_time ))

printf '%-9s %-13s %6s %10s %7s %s\n' transfer fault count completed failed other
for key in $(printf '%s\n' "${!count[@]}" | sed 's/ /:/' | sort); do
  k=${key/:/ }
  c=${count[$k]}; ok=${completed[$k]:-0}; bad=${failed[$k]:-0}
  printf '%-9s %-13s %6d %10d %7d %d\n' ${k%% *} ${k#* } "$c" "$ok" "$bad" $((c - ok - bad))
done
echo "messages of the failed transfers:"
sort messages.txt 2>/dev/null | uniq -c | sed 's/^/  /'
echo "faults that came into play: $injected_sums wrong sums, $injected_drops replies dropped," \
     "$injected_refusals writes refused, $injected_noise noise bytes, $pulled leads pulled"
echo "transfers: $transfers in ${elapsed} s; false completions: $false_completed;" \
     "uploads that failed but left a file: $lost_upload_files; downloads that changed their file:" \
     "$changed_files; other endings: $anomalies"
[ "$false_completed" = 0 ] && [ "$anomalies" = 0 ] && [ "$lost_upload_files" = 0 ] &&
  [ "$changed_files" = 0 ]
