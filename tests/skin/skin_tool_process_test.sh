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

printf '%d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
