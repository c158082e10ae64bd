#!/usr/bin/env bash
# gallery_process_test.sh [RUNNER...] --gallery EXE --main EXE --tool SKINTOOL --skin-dir DIR
# Runs the real varnelta-gallery: with the stored skin, with a skin packed from a folder, with a
# missing and a damaged file (unskinned, exit code 0), beside a running Varnelta.exe, and with
# --sheet (a Windows bitmap of the size it reports). RUNNER is Wine for the .exe files.
set -u
runner=()
while [ $# -gt 0 ] && [ "${1#--}" == "$1" ]; do runner+=("$1"); shift; done
while [ $# -gt 0 ]; do
  case "$1" in
    --gallery) gallery=$2 ;;
    --main) main=$2 ;;
    --tool) tool=$2 ;;
    --skin-dir) skin_dir=$2 ;;
  esac
  shift 2
done
failed=0
passed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"; fi
}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/varnelta-gallery-process-XXXXXX")
main_pid=""
cleanup() {
  [ -n "$main_pid" ] && kill "$main_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
cp "$gallery" "$scratch/gallery.exe"
cd "$scratch" || exit 1

bench() {  # bench ARGS...: runs the gallery with --bench; its status in $status, caption in $got
  "${runner[@]}" ./gallery.exe "$@" --bench >out.txt 2>err.txt
  status=$?
  got=$(grep '^caption: ' out.txt | tr -d '\r' | sed 's/^caption: //')
}

bench
check "stored skin status" 0 "$status"
check "stored skin caption" "Varnelta Gallery - stored skin" "$got"
check "timing figures" 1 "$(grep -c '^skin window: [0-9.]* ms' out.txt)"

"$tool" pack "$skin_dir" test.skin >/dev/null
bench test.skin
check "packed skin status" 0 "$status"
check "packed skin caption" "Varnelta Gallery - test.skin" "$got"

bench missing.skin
check "missing file status" 0 "$status"
check "missing file caption" "Varnelta Gallery - unskinned: missing.skin: no such file" "$got"

head -c $(($(stat -c %s test.skin) / 2)) test.skin >damaged.skin
bench damaged.skin
check "damaged file status" 0 "$status"
check "damaged file caption" "Varnelta Gallery - unskinned" "${got%%:*}"

# Beside the main program: neither refuses the other.
cp "$main" varnelta.exe
"${runner[@]}" ./varnelta.exe >/dev/null 2>&1 &
main_pid=$!
sleep 4
bench
check "beside the main program: status" 0 "$status"
check "beside the main program: caption" "Varnelta Gallery - stored skin" "$got"
kill -0 "$main_pid" 2>/dev/null
check "the main program still runs" 0 "$?"

"${runner[@]}" ./gallery.exe --sheet sheet.bmp >out.txt 2>err.txt
check "sheet status" 0 "$?"
size=$(grep '^sheet: ' out.txt | tr -d '\r' | sed 's/.* //')
width=${size%x*}
height=${size#*x}
check "sheet is a bitmap" "BM" "$(head -c 2 sheet.bmp)"
check "sheet width" "$width" "$(od -An -tu4 -j18 -N4 sheet.bmp | tr -d ' ')"
check "sheet height" "$height" "$(od -An -td4 -j22 -N4 sheet.bmp | tr -d ' -')"
check "sheet file size" "$(stat -c %s sheet.bmp)" "$(od -An -tu4 -j2 -N4 sheet.bmp | tr -d ' ')"
check "sheet is large enough for every control" 1 "$([ "${height:-0}" -gt 200 ] && echo 1)"
check "every control has something to capture" "" "$(grep '^nothing to capture: ' out.txt | tr -d '\r')"

printf '%d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
