#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Extra arguments
# are passed to the program (a data file, /m for factory mode, /f for
# production mode, --demo for the demo radio). The program keeps its profile
# next to itself and writes the default file into the folder it starts in:
# both end up in build/src.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

args=()
for a in "$@"; do
  if [ -e "$a" ]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done

cd build/src
# On a machine where no serial device has been configured yet (File >
# Configure), a start without arguments brings the demo radio along: COM1
# then leads to a simulated KR-318 for this run, so Upload and Download work
# at once.
if [ "${#args[@]}" -eq 0 ] && ! awk '/^\[Ports\]/ { p = 1; next } /^\[/ { p = 0 }
                                  p && /^COM[0-9]+=./ { found = 1 } END { exit !found }' \
                                 kp07xt.ini 2>/dev/null; then
  echo "run: no serial device configured; starting with the demo radio on COM1" >&2
  args=(--demo)
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found; starting on a virtual X server (xvfb-run)" >&2
  exec xvfb-run -a ./kp07xt "${args[@]}"
fi
exec ./kp07xt "${args[@]}"
