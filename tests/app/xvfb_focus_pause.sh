#!/usr/bin/env bash
# A game pauses when the program loses activation to another program, by a
# real change of focus under a window manager: on an X server with openbox,
# starts a game in one instance of the program, then starts a second
# instance, which the window manager activates; the first must show the paused
# title. Activating the first again leaves it paused; P resumes it and S ends
# it. On the way, the first instance, which has no stored position, must open
# with its outer window, frame included, centred on the screen.
#
# Usage: xvfb_focus_pause.sh path/to/Brimal
# Exits 77 (skipped) when openbox is not installed.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
program=$(realpath "$1")
command -v openbox >/dev/null || { echo "openbox is not installed" >&2; exit 77; }
on_own_x "$program"

work=$(mktemp -d)
pids=()
cleanup() {
    # Ended and waited for: a program still saving its store on the way out
    # would write into the folder being removed.
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
# Each instance gets a configuration folder of its own below.
own_session "$work"

# Openbox runs the start-up command once it manages windows; a window mapped
# before that may stay unmanaged and unmapped.
openbox --sm-disable --startup "touch $work/openbox-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_until 20 test -e "$work/openbox-ready" || fail "openbox did not start"

# start_instance NAME: one instance of the program with a store of its own;
# sets $wid to its main window.
start_instance() {
    mkdir -p "$work/$1/Kelvox"
    printf '[Sound]\nEnabeled=0\n' >"$work/$1/Kelvox/Brimal.conf"
    XDG_CONFIG_HOME=$work/$1 "$program" 2>"$work/$1.stderr" &
    local pid=$!
    pids+=("$pid")
    wid=$(main_window "$pid") || fail "no main window of $1: $(cat "$work/$1.stderr")"
}

title_of() { xdotool getwindowname "$1"; }

# frame_centred WID: the client area grown by the frame extents that the
# window manager reports lies centred on the screen, by integer halves.
frame_centred() {
    local x y w h l r t b screen_w screen_h
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
        END {print x, y, w, h}')
    IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
    read -r screen_w screen_h < <(xdotool getdisplaygeometry)
    # The tools' statuses are lost in the substitutions: a value that is not a
    # number is one of them failing, not a window at 0.
    [[ "$x $y $w $h $l $r $t $b $screen_w $screen_h" =~ ^(-?[0-9]+ ){9}-?[0-9]+$ ]] ||
        fail "no geometry: window $x $y $w $h, frame $l $r $t $b, screen $screen_w $screen_h"
    local dx=$((x - l - (screen_w - w - l - r) / 2)) dy=$((y - t - (screen_h - h - t - b) / 2))
    echo "outer window off centre by $dx, $dy"
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]
}
title_is() { [ "$(title_of "$1")" = "$2" ]; }

start_instance first
first=$wid
frame_centred "$first" || fail "the first-run window is not centred"
xdotool windowactivate --sync "$first"
xdotool key --window "$first" g
wait_until 10 title_is "$first" "Brimal  -Play-" || fail "G did not start a game"

# The window manager activates the new program's window: the first loses
# activation and pauses.
start_instance second
second=$wid
wait_until 10 title_is "$first" "Brimal  -Pause-" ||
    fail "the game did not pause when the other program became active: $(title_of "$first")"
wait_until 5 title_is "$second" "Brimal  " || fail "the second instance is not idle: $(title_of "$second")"

# Coming back leaves the game paused, P resumes it, S ends it. Every title
# from the return on is recorded, so that a return that resumed the game even
# briefly shows; the idle title proves that all three have been handled.
stdbuf -oL xprop -id "$first" -spy _NET_WM_NAME >"$work/titles" &
pids+=($!)
wait_until 5 test -s "$work/titles" || fail "xprop did not start"
xdotool windowactivate --sync "$first"
xdotool key --window "$first" p s
wait_until 10 grep -q '= "Brimal  "$' "$work/titles" || fail "S did not end the game"
titles=$(sed 's/^[^"]*"//; s/"$//' "$work/titles" | paste -sd '|')
[ "$titles" = "Brimal  -Pause-|Brimal  -Play-|Brimal  " ] ||
    fail "titles from the return on: $titles; the return must leave the game paused, P resume it"
echo "paused on the loss of activation, stayed paused on its return, resumed with P"
