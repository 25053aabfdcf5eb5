#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh          -> build/        (release with debug info)
#   scripts/build.sh --asan   -> build-asan/   (AddressSanitizer + UBSan)
#   scripts/build.sh --fuzz   -> build-fuzz/   (clang: the core and the libFuzzer
#                                              targets, AddressSanitizer + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKP07_WERROR=ON)
if [ "${1:-}" = "--asan" ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DKP07_SANITIZE=ON -DKP07_WERROR=ON)
elif [ "${1:-}" = "--fuzz" ]; then
  dir=build-fuzz
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKP07_FUZZ=ON -DKP07_WERROR=ON
         -DCMAKE_CXX_COMPILER=clang++)
fi

# The Qt meta-object code generator keeps a cache that does not notice
# headers added after the folder was first built; start it afresh whenever
# the set of source files changed.
sources=$(find src tests tools bench \( -name '*.h' -o -name '*.cpp' \) | sort | md5sum)
if [ -f "$dir/.kp07-sources" ] && [ "$(cat "$dir/.kp07-sources")" != "$sources" ]; then
  rm -rf "$dir"/src/*_autogen "$dir"/tests/*_autogen
fi

# A compiler cache, when the machine has one, makes rebuilds of other
# checkouts of the same sources nearly free.
if command -v ccache >/dev/null 2>&1; then
  flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
  export CCACHE_NOHASHDIR=1
fi

cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$sources" > "$dir/.kp07-sources"
