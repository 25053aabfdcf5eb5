#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Extra arguments
# are passed to the program (a data file, /m for factory mode, /f for
# production mode). The program keeps its profile next to itself and writes
# the default file into the folder it starts in: both end up in build/src.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

args=()
for a in "$@"; do
  if [ -e "$a" ]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done

cd build/src
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found; starting on a virtual X server (xvfb-run)" >&2
  exec xvfb-run -a ./kp07xt "${args[@]}"
fi
exec ./kp07xt "${args[@]}"
