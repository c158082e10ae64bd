#!/usr/bin/env bash
# memo_scroll_input_test.sh STATE_DIR memo_scroll_host.exe: real input on Memo1's skinned
# scroll bar (posted clicks do not drive the native tracking). The host shows the main window
# with 100 lines in Memo1 and reports where the native bar lies under the overlay and each
# change of the memo's first visible line. A click on the down arrow scrolls one line, a click
# on the track below the thumb a page, and a drag of the thumb further still.
set -uo pipefail
state=$1
exe=$2
. "$state/env"
log=$state/memo_scroll_host.log
rm -f "$log"
# The host's lines end in CR LF.
"$VARNELTA_WINE" "$exe" 40 2>/dev/null > >(sed -u 's/\r$//' >"$log") &
program=$!
for _ in $(seq 150); do grep -q '^bar ' "$log" 2>/dev/null && break; sleep 0.2; done
read -r _ left top right bottom _ _ < <(grep '^bar ' "$log")
[ -n "${bottom:-}" ] || { echo "the host did not show its skinned bar"; cat "$log"; kill $program 2>/dev/null; exit 1; }
sleep 1
x=$(( (left + right) / 2 ))
last() { grep '^line ' "$log" | tail -n1 | cut -d' ' -f2; }
failed=0
expect() {  # NAME CONDITION-ON-$now
  sleep 0.8
  now=$(last); now=${now:-0}
  if eval "$2"; then echo "$1: first visible line $now"; else echo "$1: first visible line $now, not as expected"; failed=1; fi
}
# The down arrow: one line.
xdotool mousemove $x $((bottom - 5)) click 1
expect arrow '[ "$now" -eq 1 ]'
# The track below the thumb: a page.
xdotool mousemove $x $((bottom - 25)) click 1
expect page '[ "$now" -gt 3 ]'
before=$(last)
# The thumb (where the host last saw it) dragged down by 40 pixels.
thumbY=$(( ($(grep '^line ' "$log" | tail -n1 | cut -d' ' -f3) + $(grep '^line ' "$log" | tail -n1 | cut -d' ' -f4)) / 2 ))
xdotool mousemove $x $thumbY
sleep 0.3
xdotool mousedown 1
sleep 0.3
for step in 1 2 3 4 5; do xdotool mousemove $x $((thumbY + 8 * step)); sleep 0.15; done
xdotool mouseup 1
expect thumb "[ \"\$now\" -gt $before ]"
kill $program 2>/dev/null
wait $program 2>/dev/null
exit $failed
