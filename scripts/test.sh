#!/usr/bin/env bash
# Installs what is missing, builds the plain and the sanitizer flavour and runs
# every test in both, then builds the fuzzing flavour and runs each fuzz target
# for a few seconds (KP07_FUZZ_SMOKE_SECONDS, default 5). Exits non-zero when
# anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh
scripts/build.sh --asan
scripts/build.sh --fuzz

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

echo "== tests (plain build)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
echo "== tests (sanitizer build)"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
echo "== fuzz smoke (fuzzing build)"
scripts/fuzz.sh --no-build --seconds "${KP07_FUZZ_SMOKE_SECONDS:-5}" --seed 1
