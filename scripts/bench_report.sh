#!/usr/bin/env bash
# Measures the printed report of a full image (168 channels in use, 5-tone):
# building its pages (target under 10 ms) and writing its PDF (target under
# 300 ms), medians of many runs. Uses the plain build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
QT_QPA_PLATFORM=offscreen build/bench/bench_report 2>&1 | grep -E '^report|FAILED|OK'
