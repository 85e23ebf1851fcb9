#!/usr/bin/env bash
# The Windows package holds exactly the program, its catalogue and the read-me, and
# the program unpacked alone into a fresh folder starts under Wine to its main window
# with no error box. Its import table names only the libraries every window program
# loads; the shell, COM and common-control libraries are bound on first use.
#   check-package.sh ZIP
set -u
zip=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/scripts/env.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
fail() { echo "package check: $*" >&2; exit 1; }

[ -f "$zip" ] || fail "no package at $zip"
listing=$(cmake -E tar tf "$zip" | LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = "README.txt Tavoro.exe spect.nht " ] || fail "the zip holds: $listing"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
(cd "$folder" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
[ "$(head -c 3 "$folder/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  fail "README.txt does not start with a UTF-8 byte-order mark"

imports=$(x86_64-w64-mingw32-objdump -p "$folder/Tavoro.exe" | sed -n 's/^\tDLL Name: //p' |
  tr 'A-Z' 'a-z' | LC_ALL=C sort | tr '\n' ' ')
[ "$imports" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ] ||
  fail "the program imports at load: $imports"

cd "$folder"
wine ./Tavoro.exe >/dev/null 2>&1 &
pid=$!
main=""
for _ in $(seq 1 60); do
  main=$(xdotool search --name '1\.0\.5\.21' 2>/dev/null | head -1)
  [ -n "$main" ] && break
  kill -0 $pid 2>/dev/null || fail "the program ended before its window showed"
  sleep 0.5
done
sleep 1
boxes=$(xdotool search --name '^Tavoro网页特效集$' 2>/dev/null | wc -l)
kill $pid 2>/dev/null
wait $pid 2>/dev/null
[ -n "$main" ] || fail "no main window within 30 s"
[ "$boxes" -eq 0 ] || fail "the program showed an error box at start"
rest=$(ls "$folder" | LC_ALL=C sort | tr '\n' ' ')
[ "$rest" = "README.txt Tavoro.exe spect.nht " ] || fail "the program left files at start: $rest"
echo "package check: ok ($(basename "$zip"))"
