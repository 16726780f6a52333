#!/usr/bin/env bash
# Measures the time from starting the program to its first painted well, on an
# X server, over several runs, and prints each run and the median in
# milliseconds. Not a test: timings depend on the machine.
#
# Usage: measure_startup.sh path/to/Brimal [runs]   (default 9 runs)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
program=$(realpath "$1")
runs=${2:-9}
on_own_x "$program" "$runs"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
own_session "$work"
export BRIMAL_STARTUP_PROBE=1
cd "$(dirname "$program")"

times=()
for run in $(seq "$runs"); do
    export XDG_CONFIG_HOME=$work/config$run
    start=$(date +%s%6N)
    "$program" 2>"$work/stderr$run" &
    pid=$!
    wait_until 10 grep -qs "^first-paint-us " "$work/stderr$run" || true
    painted=$(awk '/^first-paint-us /{print $2; exit}' "$work/stderr$run")
    kill -TERM "$pid"
    wait "$pid" || true
    [ -n "$painted" ] || { echo "run $run: no paint" >&2; exit 1; }
    ms=$(((painted - start) / 1000))
    echo "run $run: $ms ms"
    times+=("$ms")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "median: $median ms over $runs runs"
