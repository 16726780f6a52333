#!/usr/bin/env bash
# Measures the time from starting the program to its first painted well, on an
# X server, over several runs, and prints each run and the median in
# milliseconds. Not a test: timings depend on the machine.
#
# Usage: measure_startup.sh path/to/Brimal [runs]   (default 9 runs)
set -euo pipefail

program=$(realpath "$1")
runs=${2:-9}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
export BRIMAL_STARTUP_PROBE=1
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$(dirname "$program")"

times=()
for run in $(seq "$runs"); do
    export XDG_CONFIG_HOME=$work/config$run
    start=$(date +%s%6N)
    "$program" 2>"$work/stderr$run" &
    pid=$!
    for _ in $(seq 200); do
        grep -qs "^first-paint-us " "$work/stderr$run" && break
        sleep 0.05
    done
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
