#!/usr/bin/env bash
# Runs a Windows executable under the project's Wine prefix. Without an X display
# it starts a private Xvfb for the run, so tests and tools work headless.
set -u
. "$(dirname "$0")/env.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
wine "$@"
rc=$?
exit $rc
