#!/usr/bin/env bash
# cli_process_test.sh [RUNNER...] CLI: runs the real varnelta-cli with pipes and checks bytes,
# exit codes and standard error. RUNNER (Wine for the .exe) comes before the program.
set -u
cli=("$@")
failed=0
passed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"; fi
}
run() { "${cli[@]}" "$@" 2>/dev/null; }

check "encode raw from a pipe" "qqdl://YWJj" "$(printf 'abc' | run encode --kind qqdl --raw)"
check "line mode drops CR, keeps the empty line" $'thunder://QUFhYmNaWg==\n\nqqdl? no' \
  "$(printf 'abc\r\n\r\n' | run encode --kind 0; echo 'qqdl? no')"
# Raw bytes pass untouched: a zero byte and a CR LF survive the trip in both directions.
printf 'a\0b\r\nc' >"${TMPDIR:-/tmp}/varnelta-cli-$$.bin"
encoded=$(run encode --kind 2 --raw <"${TMPDIR:-/tmp}/varnelta-cli-$$.bin")
check "binary encode" "qqdl://YQBiDQpj" "$encoded"
check "binary decode" "$(od -An -tx1 <"${TMPDIR:-/tmp}/varnelta-cli-$$.bin")" \
  "$(printf '%s' "$encoded" | run decode --raw | od -An -tx1)"
rm -f "${TMPDIR:-/tmp}/varnelta-cli-$$.bin"

printf 'Thunder://QUFhYmNaWg==\nnot a link\n' | "${cli[@]}" decode >"${TMPDIR:-/tmp}/varnelta-out-$$" \
  2>"${TMPDIR:-/tmp}/varnelta-err-$$"
status=$?
check "auto decode output: a failed line stays in place, empty" 'abc||' "$(tr '\n' '|' <"${TMPDIR:-/tmp}/varnelta-out-$$")"
rm -f "${TMPDIR:-/tmp}/varnelta-out-$$"
check "auto decode status" 1 "$status"
check "auto decode report" "line 2: not a special link" "$(tr -d '\r' <"${TMPDIR:-/tmp}/varnelta-err-$$")"
rm -f "${TMPDIR:-/tmp}/varnelta-err-$$"

check "explain" $'1\tthunder\tgbk\tok|2\tunknown\t-\tnot a special link|' \
  "$(printf 'thunder://QUFhYmNaWg==\r\nx\r\n' | run decode --explain | tr -d '\r' | tr '\n' '|')"
# Raw mode over more than one block of input, both ways.
head -c 1100000 /dev/urandom >"${TMPDIR:-/tmp}/varnelta-big-$$"
check "raw round trip over blocks" "$(cksum <"${TMPDIR:-/tmp}/varnelta-big-$$")" \
  "$(run encode --kind thunder --raw <"${TMPDIR:-/tmp}/varnelta-big-$$" | run decode --raw | cksum)"
rm -f "${TMPDIR:-/tmp}/varnelta-big-$$"

"${cli[@]}" encode --kind nine abc >/dev/null 2>&1
check "usage error status" 2 "$?"
check "version" "varnelta-cli 0.1.0" "$("${cli[@]}" --version | tr -d '\r')"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
