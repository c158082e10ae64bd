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
exec "${VARNELTA_WINE:-wine}" "$@"
