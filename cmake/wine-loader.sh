#!/usr/bin/env bash
# wine-loader.sh [32|64]: prints the Wine loader for Windows programs of that width (default:
# the widest this machine runs, 32 preferred). Some kernels run with 32-bit emulation switched
# off; there the 32-bit loader cannot start and only 64-bit programs run (under wine64).
# Exits 1 when no loader of the asked width works.
want=${1:-any}
can32() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
can64() { [ -x /usr/lib/wine/wine64 ] && /usr/lib/wine/wine64 --version >/dev/null 2>&1; }
case "$want" in
  32) can32 && { echo wine; exit 0; } ;;
  64) can64 && { echo /usr/lib/wine/wine64; exit 0; } ;;
  *) if can32; then echo wine; exit 0; elif can64; then echo /usr/lib/wine/wine64; exit 0; fi ;;
esac
exit 1
