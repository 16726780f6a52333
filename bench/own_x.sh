#!/usr/bin/env bash
# Runs a command under an X server of its own (Xvfb, 1024 x 768), with SDL's
# dummy audio driver, Qt on X, and empty configuration, data and runtime
# folders of its own, so that a program plays with its default settings and
# leaves the user's store and high-score table alone. Exits with the command's
# status.
#
# Usage: bench/own_x.sh COMMAND [ARGUMENTS...]
set -euo pipefail

work=$(mktemp -d)
xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    grep -q . "$work/display" 2>/dev/null && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
display=$(head -n1 "$work/display" 2>/dev/null || true)
if [ -z "$display" ]; then
    echo "own_x.sh: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

export DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
status=0
"$@" || status=$?
exit "$status"
