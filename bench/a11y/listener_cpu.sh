#!/usr/bin/env bash
# The CPU time a game at the fastest fall period (10 ms) costs with a screen
# reader's listener attached, against the same game without accessibility.
# The soak (brimal_soak: the real main window, its player) plays the same game
# in every run: its pieces come from a seeded sequence and the run ends once
# the given number of pieces has landed. Each run is under an X server of its
# own, in rounds of three runs:
#   plain      Qt's AT-SPI bridge off (the runs all see the same private
#              accessibility bus);
#   keys only  the bridge on, with a listener for window events only: Qt then
#              sends each key press and release to the registry and waits for
#              its answer before the game gets the key, but the game's own
#              events (counters, the well's description) reach nobody;
#   listened   the bridge on, with a listener for every object and window
#              event that asks each event's source for its role and name, as
#              a reader does.
# Each run gives its user + system CPU time and its wall time; the medians are
# compared. With BRIMAL_KEEP set, the events of the last listened run are kept
# in that file. Not a test: it measures this machine.
#
# Usage: bench/a11y/listener_cpu.sh path/to/brimal_soak [pieces [rounds]]  (300, 5)
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../../tests/support/script_helpers.sh"
source "$here/../../tests/support/accessibility_bus.sh"
soak=$(realpath "$1")
pieces=${2:-300}
rounds=${3:-5}
on_own_x "$soak" "$pieces" "$rounds"

work=$(mktemp -d)
listener=""
trap 'end_process "$listener"; end_accessibility_bus; [ -n "${BRIMAL_KEEP:-}" ] && cp "$work/heard" "$BRIMAL_KEEP"; rm -rf "$work"' EXIT
own_session "$work"
reader=$here/../../tests/support/screen_reader.py

# soak_cpu: plays the game and prints its user + system seconds, its wall
# seconds and the pieces it landed.
soak_cpu() {
    local TIMEFORMAT='%3U %3S %3R' times
    times=$({ time "$soak" --seconds 300 --pieces "$pieces" --seeded-pieces --seed 7 \
        >"$work/soak.out" 2>>"$work/soak.err"; } 2>&1 | awk '{ printf "%.3f %.1f", $1 + $2, $3 }')
    echo "$times $(awk '/pieces landed/ { print $3 }' "$work/soak.out" | tr -d ,)"
}
# listen EVENT...: starts a listener for those events, kept in $work/heard.
listen() {
    /usr/bin/python3 "$reader" listen 600 "$@" >"$work/heard" 2>>"$work/soak.err" &
    listener=$!
    wait_until 10 grep -q listening "$work/heard" || { echo "the listener did not start"; exit 1; }
}
# play ROUND WHAT: one run of the game, reported; adds its CPU seconds to the
# list named WHAT.
play() {
    local cpu wall landed
    local -n runs=$2
    read -r cpu wall landed < <(soak_cpu)
    printf '%-10s round %d: %6.3f s CPU, %5.1f s long, %d pieces' "$2" "$1" "$cpu" "$wall" "$landed"
    if [ -n "$listener" ]; then
        end_process "$listener"
        listener=""
        printf ', %d events heard' $(($(wc -l <"$work/heard") - 1))
    fi
    echo
    runs+=("$cpu")
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A first run warms the caches (fonts, the shared libraries) for all three.
"$soak" --seconds 3 >/dev/null 2>>"$work/soak.err"
start_accessibility_bus "$work" || { echo "no accessibility bus: nothing to compare"; exit 1; }
export -n QT_LINUX_ACCESSIBILITY_ALWAYS_ON

# Rounds alternate the three, so that a change in the machine's load falls on all.
plain=() keys_only=() listened=()
for round in $(seq "$rounds"); do
    play "$round" plain
    listen window:
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 play "$round" keys_only
    listen object: window:
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 play "$round" listened
done
base=$(median "${plain[@]}")
for what in keys_only listened; do
    declare -n runs=$what
    awk -v what="$what" -v a="$base" -v b="$(median "${runs[@]}")" \
        'BEGIN { printf "median CPU, %-9s %.3f s against %.3f s plain: %+.1f %%\n", what, b, a, 100 * (b - a) / a }'
done
