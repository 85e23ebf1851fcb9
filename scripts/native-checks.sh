#!/usr/bin/env bash
# Builds the platform-neutral code natively under ASan and UBSan, runs its unit tests,
# then runs each fuzzer for a bounded time. Any failure or finding fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/native"
seconds=${FUZZ_SECONDS:-10}
log="$build/native-checks.log"
mkdir -p "$build"

step() {  # step NAME COMMAND...: one line of output, the log only on failure
  local name=$1
  shift
  if "$@" >"$log" 2>&1; then
    echo "native: $name ok"
  else
    echo "native: $name FAILED"
    tail -n 60 "$log"
    exit 1
  fi
}

if [ ! -f "$build/CMakeCache.txt" ]; then
  step configure cmake -S "$root/tests/native" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
step build cmake --build "$build" -j2
step "unit tests" "$build/skin_data_tests" --gtest_brief=1

seeds="$root/tests/skin_data/data"
fuzz() {  # fuzz NAME SEED...: a private corpus grown from the seeds, kept between runs
  local name=$1
  shift
  local corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/findings"
  cp -n "$@" "$corpus/"
  step "fuzz $name (${seconds}s)" "$build/$name" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=0 -artifact_prefix="$build/findings/$name-" "$corpus"
}
# Our own skin seeds each reader: its definition text, its pictures, and its stored
# package when the build has made it.
package_seeds=("$seeds/seed.pkg" "$seeds/seed.zpkg")
[ -f "$root/build/stored-skin/StoredSkin.bin" ] && package_seeds+=("$root/build/stored-skin/StoredSkin.bin")
fuzz SkinPackageFuzzer "${package_seeds[@]}"
fuzz SkinDefinitionFuzzer "$seeds/seed.ini" "$root/resources/skin/skin.ini"
fuzz BmpCodecFuzzer "$root"/resources/skin/*.bmp "$root"/resources/skin/*.BMP
