#!/usr/bin/env bash
# Measures the channel view on a group of 128 channels: rebuilding the whole
# view (target under 30 ms) and one cell edit with its repaint (target under
# 2 ms), medians of many runs. Uses the plain build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
QT_QPA_PLATFORM=offscreen build/bench/bench_channel_view 2>&1 | grep -E '^view|FAILED|OK'
