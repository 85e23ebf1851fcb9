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
# The tests' checked heap gives every block pages of its own, two mappings each: the
# kernel's default limit of 65530 mappings is too few for the larger tests.
want=1048576
if [ "$(cat /proc/sys/vm/max_map_count 2>/dev/null || echo $want)" -lt $want ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  echo $want | $SUDO tee /proc/sys/vm/max_map_count >/dev/null ||
    echo "test: could not raise vm.max_map_count to $want; large tests may stop in the checked heap" >&2
fi
cd "$root/build"
exec ctest --output-on-failure
