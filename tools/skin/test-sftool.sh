#!/usr/bin/env bash
# The skin tool on our skin and on broken copies of it: the check passes on the skin
# and names what is wrong in each broken copy; every form of a built skin inspects
# the same; unpacking gives a folder that builds the same package; missing files and
# bad packages end in a clear message and a failing exit status.
#   test-sftool.sh <sftool> <skin folder>
set -u
tool=$1
skin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect STATUS TEXT COMMAND...: the command ends with STATUS and its output holds TEXT.
expect() {
  local status=$1 text=$2
  shift 2
  local out code
  out=$("$@" 2>&1)
  code=$?
  [ "$code" -eq "$status" ] || fail "$* ended with $code, not $status: $out"
  grep -qF -- "$text" <<<"$out" || fail "$* did not say \"$text\": $out"
}

# broken NAME: a copy of the skin to break.
broken() {
  rm -rf "${work:?}/$1"
  cp -r "$skin" "$work/$1"
  echo "$work/$1"
}

# set_key FOLDER SECTION KEY VALUE: changes a key of skin.ini inside its section.
set_key() {
  sed -i "/^\[$2\]/,/^\[/ s/^$3=.*/$3=$4/" "$1/skin.ini"
}

expect 0 "ok: 8 pictures decode" "$tool" check "$skin"

"$tool" build "$skin" "$work/skin.skn" || fail "build of a compressed skin file"
"$tool" build "$skin" "$work/skin.zlib" --zlib || fail "build of a zlib stream"
"$tool" build "$skin" "$work/skin.pkg" --package || fail "build of a package"
cmp -s <(tail -c +9 "$work/skin.skn") "$work/skin.zlib" || fail "the compressed file is not its header and the stream"
for form in "$skin" "$work/skin.skn" "$work/skin.zlib" "$work/skin.pkg"; do
  out=$("$tool" inspect "$form") || fail "inspect $form"
  for fact in "main.bmp          152 x 125" "mask.bmp          152 x 125  1 bit" "inactive picture   -" \
              "active picture 5   mdibg.bmp" "82 sections" "skin objects (13)" "control definitions (61)" \
              "   60 resizetoolbutton         button"; do
    grep -qF -- "$fact" <<<"$out" || fail "inspect $form does not show \"$fact\""
  done
  expect 0 "ok:" "$tool" check "$form"
done

"$tool" unpack "$work/skin.skn" "$work/unpacked" || fail "unpack"
"$tool" build "$work/unpacked" "$work/again.zlib" --zlib || fail "build of the unpacked folder"
cmp -s "$work/skin.zlib" "$work/again.zlib" || fail "the unpacked folder builds another package"

folder=$(broken outside)
set_key "$folder" vscrollbar thumbrect 494,197,600,217
expect 1 "[vscrollbar] thumbrect=494,197,600,217 reaches outside its picture (558 x 290)" "$tool" check "$folder"

folder=$(broken place)
set_key "$folder" combobox buttonrect 42,2,70,20
expect 1 "[combobox] buttonrect=42,2,70,20 reaches outside its skinrect (60 x 22)" "$tool" check "$folder"

folder=$(broken index)
set_key "$folder" edit pictureindex 7
expect 1 "[edit] pictureindex=7 names no picture: the package has 6 active pictures" "$tool" check "$folder"

folder=$(broken malformed)
set_key "$folder" FORMINFO captionrect 5,5,,25
expect 1 "the definition does not read as the program reads it: '' is not a valid integer value" "$tool" check "$folder"

folder=$(broken truncated)
head -c 3000 "$skin/controls.bmp" > "$folder/controls.bmp"
expect 1 "the active picture 4 does not decode" "$tool" check "$folder"

folder=$(broken nopicture)
rm "$folder/pw.bmp"
expect 1 "Cannot open file" "$tool" check "$folder"

folder=$(broken nosection)
sed -i 's/^\[SKINCONTROLS\]/[NOCONTROLS]/' "$folder/skin.ini"
expect 1 "needs the sections [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS]" "$tool" check "$folder"

mkdir "$work/empty"
expect 1 "The skin folder has no skin.ini" "$tool" check "$work/empty"
expect 1 "No such skin folder or file: $work/missing" "$tool" inspect "$work/missing"
{ printf '\003\000\000\000\000'; yes 'no picture here' | head -c 3000; } > "$work/bad.pkg"
expect 1 "not a valid skin package: Bitmap image is not valid" "$tool" inspect "$work/bad.pkg"
{ printf '\011\000\000\000'; tail -c +5 "$work/skin.pkg"; } > "$work/newer.pkg"
expect 1 "skin package of version 9; this tool reads up to 3" "$tool" inspect "$work/newer.pkg"
{ head -c 100 "$work/skin.zlib"; head -c 4000 /dev/zero; } > "$work/cut.zlib"
expect 1 "the zlib stream does not inflate: compression error" "$tool" check "$work/cut.zlib"
expect 2 "usage:" "$tool" frobnicate

[ "$failures" -eq 0 ] && echo "skin tool: all checks passed"
exit $((failures > 0))
