#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh          -> build/        (release with debug info)
#   scripts/build.sh --asan   -> build-asan/   (AddressSanitizer + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKP07_WERROR=ON)
if [ "${1:-}" = "--asan" ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DKP07_SANITIZE=ON -DKP07_WERROR=ON)
fi

cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
