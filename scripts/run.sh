#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Extra arguments
# are passed to the program (a data file, /m for factory mode, /f for production).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found; starting on a virtual X server (xvfb-run)" >&2
  exec xvfb-run -a build/src/kp07xt "$@"
fi
exec build/src/kp07xt "$@"
