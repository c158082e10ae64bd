#!/usr/bin/env bash
# skin_tool_process_test.sh [RUNNER...] TOOL: runs the real varnelta-skin on files in a
# scratch folder and checks exit statuses, standard error and the files it writes. RUNNER (Wine
# for the .exe) comes before the program; paths are relative so that Wine sees the same files.
set -u
tool=("$@")
failed=0
passed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"; fi
}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/varnelta-skin-process-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir in
printf '[Personality]\r\nLeft=FrameLeft.bmp\r\n' >in/Skin.ini
{ printf 'BM'; head -c 3000 /dev/zero | tr '\0' 'x'; printf '\0\1\2\r\n'; } >in/FrameLeft.bmp

"${tool[@]}" pack in out.skin >/dev/null 2>err.txt
check "pack status" 0 "$?"
check "pack is quiet on standard error" "" "$(cat err.txt)"
check "list" $'format 40000\n35\tskin.ini\n3007\tframeleft.bmp' \
  "$("${tool[@]}" list out.skin 2>/dev/null | tr -d '\r')"
"${tool[@]}" unpack out.skin unpacked >/dev/null 2>&1
check "unpack status" 0 "$?"
check "unpacked picture" "$(od -An -tx1 <in/FrameLeft.bmp)" "$(od -An -tx1 <unpacked/frameleft.bmp)"
check "unpacked description" "$(od -An -tx1 <in/Skin.ini)" "$(od -An -tx1 <unpacked/skin.ini)"

"${tool[@]}" pack in prop.bin --property --format 30000 >/dev/null 2>&1
check "property list" "format 30000" "$("${tool[@]}" list prop.bin --property 2>/dev/null | head -1 | tr -d '\r')"

printf '\x10\x00\x01\x00garbage, not a skin stream' >garbage.bin
"${tool[@]}" list garbage.bin >/dev/null 2>&1
check "garbage status" 1 "$?"
printf '\0\0\0\0' >zero.skin
check "unknown format message" "list: zero.skin: This is Older Skin File Please update to new version !" \
  "$("${tool[@]}" list zero.skin 2>&1 >/dev/null | tr -d '\r')"
"${tool[@]}" list >/dev/null 2>&1
check "usage status" 2 "$?"
"${tool[@]}" list missing.skin >/dev/null 2>&1
check "missing file status" 1 "$?"

# Damaged archives: check's exit status is what a designer's script relies on.
"${tool[@]}" check out.skin >/dev/null 2>&1
check "check of an unreadable picture" 1 "$?"
mkdir whole lacking
# A 1 x 1 pixel 24-bit bitmap.
{ printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\1\0\0\0\1\0\0\0\1\0\x18\0\0\0\0\0\4\0\0\0'
  head -c 16 /dev/zero; printf '\377\0\0\0'; } >whole/frameleft.bmp
printf '[Personality]\r\nLeft=FrameLeft.bmp\r\n' >whole/skin.ini
"${tool[@]}" pack whole whole.skin >/dev/null 2>&1
"${tool[@]}" check whole.skin >/dev/null 2>&1
check "check of a whole skin" 0 "$?"
printf '[Personality]\r\nLeft=FrameLeft.bmp\r\nRight=FrameRight.bmp\r\n' >lacking/skin.ini
cp whole/frameleft.bmp lacking/
"${tool[@]}" pack lacking lacking.skin >/dev/null 2>&1
"${tool[@]}" check lacking.skin >/dev/null 2>&1
check "check with a missing picture" 1 "$?"
{ printf 'BM'; seq 1 2000; } >in/FrameLeft.bmp
"${tool[@]}" pack in long.skin >/dev/null 2>&1
# The declared size cut by 100 bytes: the picture's data runs past the end of the archive.
size=$(od -An -tu4 -N4 long.skin | tr -d ' ')
cp long.skin short.skin
printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(((size - 100) & 255)) $(((size - 100) >> 8 & 255)) \
  $(((size - 100) >> 16 & 255)) 0)" | dd of=short.skin bs=1 conv=notrunc status=none
check "list of a short archive" $'format 40000\n35\tskin.ini\n8895\tframeleft.bmp\tdamaged: its data runs past the end of the archive' \
  "$("${tool[@]}" list short.skin 2>/dev/null | tr -d '\r')"
"${tool[@]}" list short.skin >/dev/null 2>&1
check "list status of a short archive" 1 "$?"
"${tool[@]}" check short.skin >/dev/null 2>err.txt
check "check status of a short archive" 1 "$?"
check "check names the damaged entry" 1 "$(grep -c '"frameleft.bmp": damaged' err.txt)"
# The file itself cut in half: the picture's bytes after the cut are made up.
head -c $(($(stat -c %s long.skin) / 2)) long.skin >half.skin
check "list of a truncated file" "8895	frameleft.bmp	damaged: the compressed stream ends inside its data" \
  "$("${tool[@]}" list half.skin 2>/dev/null | tr -d '\r' | tail -1)"
"${tool[@]}" check half.skin >/dev/null 2>&1
check "check status of a truncated file" 1 "$?"
"${tool[@]}" list long.skin >/dev/null 2>&1
check "list status of the whole file" 0 "$?"

printf '%d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
