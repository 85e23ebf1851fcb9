#!/usr/bin/env bash
# Configures (once) and builds into build/: everything, or the targets given
# as arguments (--target NAME).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/fetch-sqlite.sh"
if [ ! -f "$root/build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$root/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
fi
cmake --build "$root/build" -j"$(nproc)" "$@"
