#!/usr/bin/env bash
# Our three skins: each passes the skin tool's check; the generator redraws each one's
# pictures byte for byte as they are kept in the sources (so a change to the generator
# cannot alter a skin unnoticed, nor a picture drift from its skin.ini); the pictures
# have the sizes their definitions need; and a skin the generator has no look for
# ends in a clear message.
#   test-skins.sh <sftool> <skinpaint> <resources folder>
set -u
tool=$1
paint=$2
resources=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

for skin in skin skin-night skin-paper; do
  folder=$resources/$skin
  checks=$((checks + 1))
  "$tool" check "$folder" >/dev/null 2>&1 || fail "sftool check $skin: $("$tool" check "$folder" 2>&1)"
  rm -rf "${work:?}/$skin"
  cp -r "$folder" "$work/$skin"
  checks=$((checks + 1))
  if "$paint" "$work/$skin" >/dev/null 2>"$work/paint.err"; then
    for picture in "$folder"/*.bmp "$folder"/*.BMP; do
      [ -e "$picture" ] || continue
      cmp -s "$picture" "$work/$skin/$(basename "$picture")" || fail "skinpaint draws $skin/$(basename "$picture") otherwise than it is kept"
    done
  else
    fail "skinpaint $skin: $(cat "$work/paint.err")"
  fi
done

# expect_picture SKIN FACT: sftool inspect of the skin shows the picture line FACT.
expect_picture() {
  checks=$((checks + 1))
  "$tool" inspect "$resources/$1" | grep -qF -- "$2" || fail "$1 does not hold \"$2\""
}

# Night: the client rectangle 4,26,156,116 with 4-pixel borders; the inactive frame
# as large as the main picture; four menu item frames down to row 198; the hint's
# client rectangle 7,5,35,13 with its margins; the client background strip.
expect_picture skin-night "main picture       main.bmp          160 x 120"
expect_picture skin-night "inactive picture   inactive.bmp      160 x 120"
expect_picture skin-night "mask picture       mask.bmp          160 x 120  1 bit"
expect_picture skin-night "active picture 0   active.bmp         76 x 264"
expect_picture skin-night "active picture 2   menuitems.bmp      68 x 198"
expect_picture skin-night "active picture 3   hw.bmp             42 x 18"
expect_picture skin-night "active picture 6   clientbg.bmp       16 x 160"
# Paper: the tool bar background as high as the 32-high tool bar; the band of
# controls.bmp that holds the images of other sizes, down to row 360.
expect_picture skin-paper "main picture       main.bmp          152 x 125"
expect_picture skin-paper "active picture 4   controls.bmp      558 x 360"
expect_picture skin-paper "active picture 6   toolbg.bmp         64 x 32"

rm -rf "${work:?}/unknown"
cp -r "$resources/skin" "$work/unknown"
sed -i 's/^skinname=.*/skinname=Someone Else/' "$work/unknown/skin.ini"
out=$("$paint" "$work/unknown" 2>&1)
code=$?
checks=$((checks + 1))
[ "$code" -eq 1 ] && grep -qF "skinname=Someone Else names no look" <<<"$out" ||
  fail "skinpaint on an unknown skin ended with $code: $out"

rm -rf "${work:?}/orphan"
cp -r "$resources/skin-night" "$work/orphan"
sed -i 's/^bgpictureindex=6$/bgpictureindex=-1/' "$work/orphan/skin.ini"
out=$("$paint" "$work/orphan" 2>&1)
code=$?
checks=$((checks + 1))
[ "$code" -eq 1 ] && grep -qF "active picture 6 holds no image this generator draws" <<<"$out" ||
  fail "skinpaint on a picture nothing refers to ended with $code: $out"

echo "skins: $((checks - failures)) passed, $failures failed"
exit $((failures > 0))
