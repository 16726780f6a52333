#!/usr/bin/env bash
# The CPU time the program spends while it sits idle at its title, under an X
# server of its own: the whole process in clock ticks over the given time, and
# each thread's ticks, CPU milliseconds and wake-ups. An open audio device
# shows as an SDLAudio thread that wakes for every buffer. Not a test: it
# measures this machine.
#
# Usage: bench/sound/idle_cpu.sh path/to/Brimal [seconds]   (default 10)
# SDL_AUDIODRIVER defaults to dummy, which plays in real time without a sound card.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/script_helpers.sh"
program=$(realpath "$1")
seconds=${2:-10}
driver=${SDL_AUDIODRIVER:-dummy}
on_own_x "$program" "$seconds"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
own_session "$work"
export SDL_AUDIODRIVER=$driver

"$program" 2>"$work/stderr" &
pid=$!
sleep 3 # start-up, and the player's close of its idle device

# Fields 14 and 15 of a stat file (utime, stime) after the command name, which
# may hold blanks: count from the closing parenthesis.
ticks() { sed 's/.*) //' "$1" | awk '{print $12 + $13}'; }
wakeups() { awk '/^voluntary_ctxt_switches/{print $2}' "$1"; }
cpu_ns() { awk '{print $1}' "$1"; }

declare -A t0 n0 w0 name
for task in /proc/$pid/task/*; do
    id=${task##*/}
    name[$id]=$(cat "$task/comm")
    t0[$id]=$(ticks "$task/stat")
    n0[$id]=$(cpu_ns "$task/schedstat")
    w0[$id]=$(wakeups "$task/status")
done
p0=$(ticks /proc/$pid/stat)
sleep "$seconds"
p1=$(ticks /proc/$pid/stat)

hz=$(getconf CLK_TCK)
echo "idle $(basename "$program") over $seconds s: process $((p1 - p0)) ticks" \
    "($(awk -v t=$((p1 - p0)) -v s="$seconds" -v hz="$hz" 'BEGIN{printf "%.2f", 100*t/(s*hz)}') % of a core)"
printf '  %-16s %6s %10s %9s\n' thread ticks "cpu ms" wake-ups
for id in "${!name[@]}"; do
    task=/proc/$pid/task/$id
    [ -e "$task/stat" ] || continue
    printf '  %-16s %6d %10.3f %9d\n' "${name[$id]}" $(($(ticks "$task/stat") - t0[$id])) \
        "$(awk -v a="${n0[$id]}" -v b="$(cpu_ns "$task/schedstat")" 'BEGIN{print (b-a)/1e6}')" \
        $(($(wakeups "$task/status") - w0[$id]))
done
kill -TERM "$pid"
wait "$pid" || true
