#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test; CTest's summary ends the output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# Platform-neutral code, built natively under the sanitizers, with bounded fuzzing
# seeded with our skin (the built package among the seeds, so it runs after the build).
if [ -x "$root/scripts/native-checks.sh" ]; then
  "$root/scripts/native-checks.sh"
fi
cd "$root/build"
exec ctest --output-on-failure
