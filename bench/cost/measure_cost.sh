#!/usr/bin/env bash
# The game's cost beside the toolkit's floor (qt_floor: a main window with a
# menu bar and one painted widget), under an X server of its own. CPU of the
# whole process over a measured time (utime + stime clock ticks from /proc, and
# the share of one core):
#   idle at the title;
#   playing at the default 500 ms period (G pressed with xdotool);
#   playing at the fastest period, 10 ms: the soak, whose player places and
#     drops each piece (its own work counts in the figure);
#   falling at 10 ms: the soak without its player, so the clock ticks all the
#     time and a game ends every second or two.
# The floor repaints its widget at the same periods. Then the start-up time to
# the first painted well (median of several starts, the game's and the floor's
# taking turns; with MEASURE_COST_STARTS_ONLY set, only these) and the peak RSS
# (VmHWM) of the program itself over its idle and 500 ms runs. Each of the game's runs
# also lists its threads' ticks. Not a test: it measures this machine.
# MEASURE_COST_LANGUAGE=en measures the game with English chosen in its store.
#
# Usage: bench/cost/measure_cost.sh [build folder] [seconds] [starts]   (build, 10, 5)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${MEASURE_COST_ON_OWN_X:-}" ]; then
    exec env MEASURE_COST_ON_OWN_X=1 "$here/../../tests/support/own_x.sh" "$0" "$@"
fi
build=$(realpath "${1:-build}")
seconds=${2:-10}
starts=${3:-5}
game=$build/Brimal
soak=$build/bench/soak/brimal_soak
floor=$build/bench/cost/qt_floor
for program in "$game" "$soak" "$floor"; do
    [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 1; }
done
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$build"
hz=$(getconf CLK_TCK)

# utime + stime of a stat file, counted from the closing parenthesis of the
# command name, which may hold blanks.
ticks() { sed 's/.*) //' "$1" 2>/dev/null | awk '{print $12 + $13}'; }
percent() { awk -v t="$1" -v s="$seconds" -v hz="$hz" 'BEGIN{printf "%.2f", 100 * t / (s * hz)}'; }
hwm() { awk '/^VmHWM/{print $2}' "/proc/$1/status"; }

# measure NAME: the ticks of process $pid over $seconds, into total[NAME]; the
# threads' ticks into threads[NAME].
declare -A total threads peak
measure() {
    local name=$1 task id
    declare -A t0 comm
    for task in /proc/$pid/task/*; do
        id=${task##*/}
        t0[$id]=$(ticks "$task/stat")
        comm[$id]=$(cat "$task/comm")
    done
    local p0 p1
    p0=$(ticks "/proc/$pid/stat")
    sleep "$seconds"
    p1=$(ticks "/proc/$pid/stat")
    total[$name]=$((p1 - p0))
    threads[$name]=""
    for task in /proc/$pid/task/*; do
        id=${task##*/}
        [ -n "${t0[$id]:-}" ] || { t0[$id]=0; comm[$id]="$(cat "$task/comm") (new)"; }
        threads[$name]+=$(printf '    %-20s %4d\n' "${comm[$id]}" $(($(ticks "$task/stat") - t0[$id])))
        threads[$name]+=$'\n'
    done
    peak[$name]=$(hwm "$pid")
}

stop() {
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
}

# fresh_config FOLDER: a settings folder of its own, with the language asked for.
fresh_config() {
    export XDG_CONFIG_HOME=$1
    if [ -n "${MEASURE_COST_LANGUAGE:-}" ]; then
        mkdir -p "$1/Kelvox"
        printf '[Setup]\nLanguage=%s\n' "$MEASURE_COST_LANGUAGE" >"$1/Kelvox/Brimal.conf"
    fi
}

# run NAME SETTLE PROGRAM ARGS...: starts the program in a fresh settings
# folder, lets it settle, measures it and stops it.
run() {
    local name=$1 settle=$2
    shift 2
    fresh_config "$work/config-$name"
    "$@" >"$work/$name.out" 2>"$work/$name.err" &
    pid=$!
    sleep "$settle"
    measure "$name"
    stop
}

# Start-up: from the start to the first paint, the median over several starts
# of each program, the two taking turns so that a change in the machine's load
# falls on both alike.
first_paint_ms() { # PROGRAM RUN
    local program=$1 start painted
    # A file of its own for each start: the program's shell truncates it only
    # after the fork, and a shared one could still show the last start's line.
    local err=$work/start-$2.err
    fresh_config "$work/config-start-$2"
    start=$(date +%s%6N)
    BRIMAL_STARTUP_PROBE=1 "$program" 2>"$err" >/dev/null &
    pid=$!
    painted=""
    for _ in $(seq 200); do
        painted=$(awk '/^first-paint-us /{print $2; exit}' "$err" 2>/dev/null)
        [ -n "$painted" ] && break
        sleep 0.05
    done
    stop
    [ -n "$painted" ] || { echo "no first paint from $program" >&2; exit 1; }
    echo $(((painted - start) / 1000))
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
game_times=()
floor_times=()
for i in $(seq "$starts"); do
    game_times+=("$(first_paint_ms "$game" "game-$i")")
    floor_times+=("$(first_paint_ms "$floor" "floor-$i")")
done
start_game=$(median "${game_times[@]}")
start_floor=$(median "${floor_times[@]}")
if [ -n "${MEASURE_COST_STARTS_ONLY:-}" ]; then
    echo "start-up (median of $starts, ms): Brimal $start_game, Qt floor $start_floor," \
        "ratio $(awk -v a="$start_game" -v b="$start_floor" 'BEGIN{printf "%.2f", a / b}')"
    echo "Brimal: ${game_times[*]}"
    echo "floor:  ${floor_times[*]}"
    exit 0
fi

# The idle title: start-up is over and the sound player has closed its device.
run game-idle 3 "$game"
run floor-idle 3 "$floor"

# A game at 500 ms: G once the window shows, measured from the first piece.
fresh_config "$work/config-game-500"
"$game" >"$work/game-500.out" 2>"$work/game-500.err" &
pid=$!
wid=$(timeout 20 xdotool search --sync --name '^Brimal  $' | head -n1)
sleep 2
xdotool windowfocus --sync "$wid"
xdotool key --window "$wid" g
for _ in $(seq 50); do
    [ "$(xdotool getwindowname "$wid")" = "Brimal  -Play-" ] && break
    sleep 0.1
done
measure game-500
played=$(xdotool getwindowname "$wid")
stop
[ "$played" = "Brimal  -Play-" ] || echo "note: the 500 ms game ended as '$played'" >&2
run floor-500 3 "$floor" --repaint-ms 500

run game-10 3 "$soak" --seconds $((seconds + 30))
run game-10-falling 3 "$soak" --no-player --seconds $((seconds + 30))
run floor-10 3 "$floor" --repaint-ms 10

ratio() { awk -v a="$1" -v b="$2" 'BEGIN{if (b > 0) printf "%.2f", a / b; else print "-"}'; }
row() { # LABEL GAME-NAME FLOOR-NAME
    printf '%-26s %5d ticks %6s %%   %5d ticks %6s %%   %6s\n' "$1" "${total[$2]}" \
        "$(percent "${total[$2]}")" "${total[$3]}" "$(percent "${total[$3]}")" \
        "$(ratio "${total[$2]}" "${total[$3]}")"
}
echo "CPU of the whole process over $seconds s ($hz ticks a second), start-up, peak RSS"
printf '%-26s %20s   %20s   %6s\n' "" "Brimal" "Qt floor" "ratio"
row "idle" game-idle floor-idle
row "playing at 500 ms" game-500 floor-500
row "playing at 10 ms" game-10 floor-10
row "falling at 10 ms" game-10-falling floor-10
printf '%-26s %17s ms   %17s ms   %6s\n' "start-up (median of $starts)" "$start_game" \
    "$start_floor" "$(ratio "$start_game" "$start_floor")"
peak_game=$(printf '%s\n' "${peak[game-idle]}" "${peak[game-500]}" | sort -n | tail -n1)
peak_floor=$(printf '%s\n' "${peak[floor-idle]}" "${peak[floor-500]}" | sort -n | tail -n1)
printf '%-26s %17s kB   %17s kB   %6s\n' "peak RSS (VmHWM)" "$peak_game" "$peak_floor" \
    "$(ratio "$peak_game" "$peak_floor")"

verdict() { [ "$1" -le "$2" ] && echo met || echo MISSED; }
echo "targets: idle <= 1 tick: $(verdict "${total[game-idle]}" 1);" \
    "500 ms <= 0.5 %: $(verdict "${total[game-500]}" $((seconds * hz / 200)));" \
    "10 ms <= 3 %: $(verdict "${total[game-10]}" $((seconds * hz * 3 / 100)))"
for name in game-idle game-500 game-10 game-10-falling; do
    echo "threads of the game, $name (ticks):"
    printf '%s' "${threads[$name]}" | grep -v '^$'
done
