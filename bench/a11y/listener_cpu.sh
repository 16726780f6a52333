#!/usr/bin/env bash
# The CPU time a game at the fastest fall period (10 ms) costs with a screen
# reader's listener attached, against the same game without accessibility.
# The soak (brimal_soak: the real main window, its player on a fixed seed) is
# played for the same time, under an X server of its own, in rounds of two
# runs: one plain, one with Qt's AT-SPI bridge on a private accessibility bus
# and a listener registered for every object and window event (the plain runs
# see the same bus, but Qt's bridge stays off). Each run gives its user +
# system CPU time, and that time a piece landed, since the runs do not land
# the same pieces; the medians of the two are compared. With BRIMAL_KEEP set,
# the events heard are kept in that file. Not a test: it measures this machine.
#
# Usage: bench/a11y/listener_cpu.sh path/to/brimal_soak [seconds [rounds]]  (20, 5)
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../../tests/support/script_helpers.sh"
source "$here/../../tests/support/accessibility_bus.sh"
soak=$(realpath "$1")
seconds=${2:-20}
rounds=${3:-5}
on_own_x "$soak" "$seconds" "$rounds"

work=$(mktemp -d)
listener=""
trap 'end_process "$listener"; end_accessibility_bus; [ -n "${BRIMAL_KEEP:-}" ] && cp "$work/heard" "$BRIMAL_KEEP"; rm -rf "$work"' EXIT
own_session "$work"

# soak_cpu: plays the soak for $seconds and prints its user + system seconds
# and the pieces it landed.
soak_cpu() {
    local TIMEFORMAT='%3U %3S' cpu
    cpu=$({ time "$soak" --seconds "$seconds" --seed 7 >"$work/soak.out" 2>>"$work/soak.err"; } 2>&1 |
        awk '{ printf "%.3f", $1 + $2 }')
    echo "$cpu $(awk '/pieces landed/ { print $3 }' "$work/soak.out" | tr -d ,)"
}
# play ROUND WHAT: one soak run, reported; adds its CPU seconds to the list
# $WHAT and its CPU a piece to ${WHAT}_piece.
play() {
    local cpu pieces per
    local -n runs=$2 pieces_runs=${2}_piece
    read -r cpu pieces < <(soak_cpu)
    per=$(awk -v c="$cpu" -v p="$pieces" 'BEGIN { print 1000 * c / p }')
    printf '%-10s round %d: %6.3f s CPU over %d s (%4.1f %% of a core), %4d pieces: %.2f ms a piece\n' \
        "$2" "$1" "$cpu" "$seconds" "$(awk -v c="$cpu" -v s="$seconds" 'BEGIN { print 100 * c / s }')" \
        "$pieces" "$per"
    runs+=("$cpu")
    pieces_runs+=("$per")
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A first run warms the caches (fonts, the shared libraries) for both.
"$soak" --seconds 3 >/dev/null 2>>"$work/soak.err"
start_accessibility_bus "$work" || { echo "no accessibility bus: nothing to compare"; exit 1; }
export -n QT_LINUX_ACCESSIBILITY_ALWAYS_ON
/usr/bin/python3 "$here/../../tests/support/screen_reader.py" listen $((rounds * seconds * 3)) \
    object: window: >"$work/heard" 2>>"$work/soak.err" &
listener=$!
wait_until 10 grep -q listening "$work/heard" || { echo "the listener did not start"; exit 1; }

# Rounds alternate the two, so that a change in the machine's load falls on both.
plain=() listened=() plain_piece=() listened_piece=()
for round in $(seq "$rounds"); do
    play "$round" plain
    before=$(wc -l <"$work/heard")
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 play "$round" listened
    echo "           $(($(wc -l <"$work/heard") - before)) events heard"
done
compare() {
    awk -v what="$1" -v a="$2" -v b="$3" -v unit="$4" \
        'BEGIN { printf "median %s: %.3f %s plain, %.3f with the listener: %+.1f %%\n", what, a, unit, b, 100 * (b - a) / a }'
}
compare "CPU of a run" "$(median "${plain[@]}")" "$(median "${listened[@]}")" s
compare "CPU a piece" "$(median "${plain_piece[@]}")" "$(median "${listened_piece[@]}")" ms
