#!/usr/bin/env bash
# skin_version_test.sh STATE_DIR TEST.exe: runs the version test once per system version Wine
# can report (win98, nt40, win2k, winxp and Wine's default), the last run with Wine's message
# trace, in which exactly one start message (0x3503, lParam 1000) is taken from the queue for the one skinned
# window, and the frame painted on the 95 family equals the default version's pixel for pixel.
set -uo pipefail
state=$1
exe=$2
. "$state/env"
rm -f "$state"/frame-*.bmp
name=$(basename "$exe")
key="HKCU\\Software\\Wine\\AppDefaults\\$name"
failed=0
for version in win98 nt40 win2k winxp default; do
  if [ "$version" = default ]; then
    "$VARNELTA_WINE" reg delete "$key" /f >/dev/null 2>&1
    family=nt
  else
    "$VARNELTA_WINE" reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1
    family=nt
    [ "$version" = win98 ] && family=95
  fi
  log=$state/version-$version.log
  if [ "$version" = default ]; then
    VARNELTA_FRAME_SHOT=$state/frame-$version.bmp VARNELTA_EXPECT_FAMILY=$family WINEDEBUG=-all,+msg \
      "$VARNELTA_WINE" "$exe" --gtest_color=no >"$log" 2>"$log.trace"
  else
    VARNELTA_FRAME_SHOT=$state/frame-$version.bmp VARNELTA_EXPECT_FAMILY=$family \
      "$VARNELTA_WINE" "$exe" --gtest_color=no >"$log" 2>&1
  fi
  status=$?
  summary=$(grep -E '^version ' "$log" | head -n1)
  if [ $status -ne 0 ] || ! grep -q '\[  PASSED  \] 1 test' "$log"; then
    echo "$version: FAILED (exit $status)"; cat "$log"; failed=1
  else
    echo "$version: passed ($summary)"
  fi
done
"$VARNELTA_WINE" reg delete "$key" /f >/dev/null 2>&1
starts=$(grep -cE 'got .*msg 3503 .*lp 3e8' "$state/version-default.log.trace" || true)
echo "start messages seen: $starts"
[ "$starts" = 1 ] || { echo "expected one start message (0x3503, lParam 1000)"; grep -m5 -E '3503' "$state/version-default.log.trace"; failed=1; }
# The 95 family draws transparent pictures with three blits instead of one masked blit: the
# painted frame must be the same, pixel for pixel.
if cmp -s "$state/frame-win98.bmp" "$state/frame-default.bmp"; then
  echo "win98 frame pixels equal the default version's"
else
  echo "win98 frame pixels differ from the default version's"; failed=1
fi
exit $failed
