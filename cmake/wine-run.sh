#!/usr/bin/env bash
# wine-run.sh STATE_DIR PROGRAM.exe [ARGS...]: runs a Windows program in the test run's session.
set -euo pipefail
state=${1:?state directory}
shift
if [ ! -f "$state/env" ]; then
  echo "wine-run: no wine session in $state (run the wine_session_start test first)" >&2
  exit 1
fi
# shellcheck source=/dev/null
. "$state/env"
# Wine makes a new prefix of its own (without the session's font links) where none is: refuse.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-run: the session's prefix $WINEPREFIX is missing (stopped or being remade)" >&2
  exit 1
fi
exec "${VARNELTA_WINE:-wine}" "$@"
