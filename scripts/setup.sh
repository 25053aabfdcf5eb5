#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, but only
# those that are missing. Uses sudo only when not running as root.
set -euo pipefail

packages=(
  cmake g++ ninja-build libgtest-dev
  libcsv-dev
  libcli11-dev
  qt6-base-dev
  fonts-liberation2
  xvfb xauth
  poppler-utils
  clang-format
  ccache
  # the fuzzing flavour: clang, its libFuzzer and sanitizer runtimes (only
  # recommended by clang, so named here), llvm-symbolizer for the reports
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
