#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test; CTest's summary ends the output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Platform-neutral code, built natively under the sanitizers, with bounded fuzzing.
if [ -x "$root/scripts/native-checks.sh" ]; then
  "$root/scripts/native-checks.sh"
fi
"$root/scripts/build.sh"
cd "$root/build"
exec ctest --output-on-failure
