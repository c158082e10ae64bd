#!/usr/bin/env bash
# Builds Varnelta.exe and runs it under Wine.
#   With $DISPLAY set: on that display, in the program's own Wine prefix (build/run/prefix).
#   Without a display: in a private Xvfb and Wine prefix; a screenshot of the window is saved
#   (the path is printed) and the session is stopped again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

# The 32-bit program; the 64-bit one where the kernel runs no 32-bit programs.
if bash cmake/wine-loader.sh 32 >/dev/null; then
  width=32 toolchain=mingw-i686
else
  width=64 toolchain=mingw-x86_64
fi
export VARNELTA_WINE_WIDTH=$width
wine=$(bash cmake/wine-loader.sh "$width")
build=build/run-win$width
echo "run: building Varnelta.exe ($build)"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DVARNELTA_TESTS=OFF -DVARNELTA_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target Varnelta >/dev/null
exe=$root/$build/app/Varnelta.exe

# A prefix set up like the test runs' (fonts, Tahoma linked to a CJK font, one Wine desktop),
# made by the session script; its Xvfb is kept only when there is no display.
state=$root/build/run
session=$root/cmake/wine-session.sh
bash "$session" start "$state" >/dev/null
# Windows' own zh-CN long date ("2026年12月8日"): Wine's adds the weekday, and the 141-pixel
# clock pane would cut the time off after it. Written before the program starts, and saved.
(
  # shellcheck source=/dev/null
  . "$state/env"
  wine reg add 'HKCU\Control Panel\International' /v sLongDate /d "yyyy'年'M'月'd'日'" /f >/dev/null 2>&1
  wineserver -w
)

if [ -n "${DISPLAY:-}" ]; then
  user_display=$DISPLAY
  bash "$session" stop "$state" >/dev/null   # ends the private Xvfb; the prefix stays
  echo "run: starting Varnelta on $user_display"
  DISPLAY=$user_display WINEPREFIX=$state/prefix WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 \
    "$wine" "$exe"
  exit 0
fi

# shellcheck source=/dev/null
. "$state/env"
trap 'bash "$session" stop "$state" >/dev/null' EXIT
echo "run: no display; starting Varnelta in a private Xvfb ($DISPLAY)"
"$wine" "$exe" >"$state/varnelta.log" 2>&1 &
# The window is inside Wine's desktop window: wait for that, then for the program to settle.
for _ in $(seq 100); do
  xdotool search --name 'Wine desktop' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 3
shot=$state/varnelta.png
import -window root "$shot"
echo "run: screenshot of the window saved to $shot"
