#!/usr/bin/env bash
# Builds Varnelta and runs it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j "$(nproc)" --target varnelta-cli >/dev/null
build/native/tools/varnelta-cli "${@:---help}"
