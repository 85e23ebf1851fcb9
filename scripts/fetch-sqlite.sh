#!/usr/bin/env bash
# Puts the SQLite3 Multiple Ciphers amalgamation into .cache/sqlite3mc/ (ignored by
# git). It comes from one pinned npm package, checked against its sha256, and only
# its deps/sqlite3/ folder is kept. Does nothing when the cache is already filled.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package=better-sqlite3-multiple-ciphers
version=12.11.1
sha256=01388c78f46ce63c6aec021f67b364cc67bd637edba64f7add0c0230ce5f777a
cache="$root/.cache/sqlite3mc"
files="sqlite3.c sqlite3.h sqlite3ext.h"

complete() {
  local f
  [ -f "$cache/.version" ] && [ "$(cat "$cache/.version")" = "$package@$version" ] || return 1
  for f in $files; do [ -s "$cache/$f" ] || return 1; done
}

fail() { echo "fetch-sqlite: $*" >&2; exit 1; }

complete && exit 0
command -v npm >/dev/null || fail "npm is not installed (scripts/setup.sh installs it)"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echo "fetch-sqlite: packing $package@$version"
(cd "$tmp" && npm pack --silent "$package@$version" >/dev/null) ||
  fail "npm pack $package@$version failed"
tarball="$tmp/$package-$version.tgz"
[ -f "$tarball" ] || fail "npm pack did not produce $(basename "$tarball")"
actual=$(sha256sum "$tarball" | cut -d' ' -f1)
[ "$actual" = "$sha256" ] ||
  fail "sha256 mismatch for $(basename "$tarball"): expected $sha256, got $actual"

mkdir "$tmp/unpacked"
tar -xzf "$tarball" -C "$tmp/unpacked" package/deps/sqlite3 ||
  fail "the package holds no deps/sqlite3/"
for f in $files; do
  [ -s "$tmp/unpacked/package/deps/sqlite3/$f" ] || fail "deps/sqlite3/$f is missing"
done

# Fill a fresh folder and move it into place, so an interrupted run leaves no
# half-filled cache behind.
mkdir -p "$root/.cache"
rm -rf "$cache.new"
mkdir "$cache.new"
for f in $files; do cp "$tmp/unpacked/package/deps/sqlite3/$f" "$cache.new/$f"; done
echo "$package@$version" >"$cache.new/.version"
rm -rf "$cache"
mv "$cache.new" "$cache"
echo "fetch-sqlite: amalgamation in $cache"
