#!/usr/bin/env bash
# Builds the native core (plain and with sanitizers) and the Windows program with its tests.
# Usage: scripts/build.sh [native|asan|win]...   (no argument: all three)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
configs=("$@")
[ ${#configs[@]} -gt 0 ] || configs=(native asan win)
for config in "${configs[@]}"; do
  dir="build/$config"
  case "$config" in
    native) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan) args=(-DCMAKE_BUILD_TYPE=Debug -DZANDOLIN_SANITIZE=ON) ;;
    win) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
    *) echo "build: unknown configuration $config" >&2; exit 2 ;;
  esac
  # ccache lets several checkouts of the tree share their compiled objects.
  if command -v ccache >/dev/null; then
    args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}" CCACHE_NOHASHDIR=1
  fi
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "${args[@]}" >/dev/null
  fi
  echo "build: $config"
  mkdir -p build
  if ! ninja -C "$dir" -j"$jobs" >"build/ninja-$config.log" 2>&1; then
    grep -vE '^\[[0-9]+/[0-9]+\] ' "build/ninja-$config.log" | head -100
    echo "build: $config failed" >&2
    exit 1
  fi
done
