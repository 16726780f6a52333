#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: ctest's emulator for the
# Windows tests. The program finds Qt, SDL and the compiler's runtime through
# WINEPATH; windows.sh sets WINEPREFIX and BRIMAL_WIN64_PREFIX.
set -euo pipefail
: "${BRIMAL_WIN64_PREFIX:?set by windows.sh}"
export WINEDEBUG=${WINEDEBUG:--all}
runtime_dirs="$BRIMAL_WIN64_PREFIX/bin;/usr/lib/gcc/x86_64-w64-mingw32/12-posix;/usr/x86_64-w64-mingw32/lib"
export WINEPATH="$runtime_dirs${WINEPATH:+;$WINEPATH}"
exec wine "$@"
