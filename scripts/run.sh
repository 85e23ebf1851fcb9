#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program under Wine: in the
# user's X display when there is one, otherwise in a private Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target Tavoro --target catalogue >/dev/null
. "$root/scripts/env.sh"
exe="$root/build/app/Tavoro.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi
echo "run: no X display; starting the program in a private Xvfb (screen 1280x1024)"
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe"
