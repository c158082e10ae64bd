#!/usr/bin/env bash
# frame_input_test.sh STATE_DIR Varnelta.exe: real input on the skinned main window (posted mouse
# messages do not drive the system's move loop): the caption dragged with the mouse moves the
# window, Alt+F4 closes it and the program ends with exit code 0.
set -uo pipefail
state=$1
exe=$2
. "$state/env"
# The colour of one screen pixel, as "r,g,b".
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1; }
"$VARNELTA_WINE" "$exe" >/dev/null 2>&1 &
program=$!
# The window is centred on the 1024 x 768 desktop: its title bar covers (230, 180).
ready=0
for _ in $(seq 100); do
  background=$(pixel 5 5)
  here=$(pixel 230 180)
  if [ -n "$here" ] && [ "$background" != "0,0,0" ] && [ "$here" != "$background" ]; then ready=1; break; fi
  sleep 0.2
done
[ $ready = 1 ] || { echo "the window did not appear"; kill $program 2>/dev/null; exit 1; }
sleep 3
failed=0
# The move loop starts with the press and follows the pointer's own motion: give it time.
xdotool mousemove 600 181
sleep 0.3
xdotool mousedown 1
sleep 0.3
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove $((600 + 10 * step)) $((181 + 10 * step)); sleep 0.15; done
sleep 0.3
xdotool mouseup 1
sleep 1
if [ "$(pixel 230 180)" = "$background" ]; then
  echo "caption drag: the window moved"
else
  echo "caption drag: the window did not move ($(pixel 230 180) against $background)"; failed=1
  import -window root "$state/frame_input_drag.png"
fi
xdotool key alt+F4
status=124
for _ in $(seq 50); do
  if ! kill -0 $program 2>/dev/null; then wait $program; status=$?; break; fi
  sleep 0.2
done
if [ $status = 0 ]; then echo "Alt+F4: closed, exit code 0"; else echo "Alt+F4: exit status $status"; failed=1; fi
[ $status = 124 ] && kill $program 2>/dev/null
exit $failed
