#!/usr/bin/env bash
# Runs a command under an X server of its own (Xvfb, 1024 x 768), in a session
# of its own (own_session in script_helpers.sh: empty configuration and data
# folders, private runtime folder, SDL's dummy audio driver, Qt on X), so that
# a program plays with its default settings and leaves the user's store and
# high-score table alone. Exits with the command's status. Test scripts reach
# it through on_own_x.
#
# Usage: tests/support/own_x.sh COMMAND [ARGUMENTS...]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/script_helpers.sh"

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

# Xvfb picks a free display itself and writes its number once it takes
# clients (or ends): random display numbers collide when several servers
# start at once. -noreset: by default the server resets whenever its last
# client leaves, and a program still connecting at that moment is cut off
# ("could not connect to display"), as a script's short-lived xdotool
# calls between two runs of the program make likely.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
xvfb_settled() { grep -q . "$work/display" || ! kill -0 "$xvfb"; }
wait_until 10 xvfb_settled || true
display=$(head -n1 "$work/display" 2>/dev/null || true)
if [ -z "$display" ]; then
    echo "own_x.sh: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

export DISPLAY=:$display
own_session "$work"
status=0
"$@" || status=$?
exit "$status"
