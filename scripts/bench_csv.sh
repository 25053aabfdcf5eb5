#!/usr/bin/env bash
# Measures the channel list as CSV on a full image of 168 channels: export,
# import into a new document and import of an unchanged file (target under
# 20 ms each), medians of many runs. Uses the plain build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
QT_QPA_PLATFORM=offscreen build/bench/bench_csv 2>&1 | grep -E '^csv|FAILED|OK'
