#!/usr/bin/env bash
# Measures the grid: rewriting and painting a full channel group of 128 rows
# by 24 columns (the channel view's worst case; the target is well under 30 ms).
# Uses the plain build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
QT_QPA_PLATFORM=offscreen build/bench/bench_flex_grid 2>&1 | grep -E '^grid|FAILED|OK'
