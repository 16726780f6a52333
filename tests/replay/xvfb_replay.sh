#!/usr/bin/env bash
# A game played with random keys to its end, then watched again with
# --replay LastGame.brimal-replay --speed 8: the title reads "Brimal  -Replay-"
# while it plays and goes back to idle after, and the final well is the played
# one pixel for pixel. A garbage file given to --replay brings a message and an
# idle window, and the replays write nothing to the settings or the data
# folder.
#
# Usage: xvfb_replay.sh path/to/Brimal
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
program=$(realpath "$1")
scripted_session "$program"
store_settings '[Sound]' Enabeled=0
data=$XDG_DATA_HOME/Kelvox/Brimal
RANDOM=2212

# The well of 8 x 25 cells, at the bottom left of the window, as $1.png.
shoot_well() {
    local height
    height=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    import -window "$wid" "$work/window.png"
    convert "$work/window.png" -crop "128x400+0+$((height - (16 * 25 + 4) + 2))" +repage \
        "$shots/$1.png"
}
message() { xdotool search --onlyvisible --name '^Brimal$' | head -1; }
warning() { xdotool search --onlyvisible --name '^警告$' | head -1; }
scores_window() { xdotool search --onlyvisible --name '^ハイスコア$' | head -1; }
any_title() { xdotool search --onlyvisible --pid "$pid" --name '^Brimal  ' | head -1; }

# A game with random keys (no menu shortcut, no Esc) until it ends.
start_program "$program"
keys g
wait_until 5 title_is "Brimal  -Play-" || fail "G did not start a game"
game_keys=(Left Right Up Down x z space)
for _ in $(seq 3000); do
    title_is "Brimal  -Play-" || break
    keys "${game_keys[RANDOM % ${#game_keys[@]}]}"
done
title_is "Brimal  -Play-" && fail "the game did not end"
wait_until 10 message || fail "no game-over message"
close_message "$(message)" "game-over message"
# A game that scored enters the table: the offered name, then the table.
if wait_until 2 scores_window; then
    for _ in 1 2; do
        xdotool windowfocus --sync "$(scores_window)"
        xdotool key Return
        sleep 0.5
    done
fi
shoot_well played
quit_by_menu "$wid" "$pid"
[ -s "$data/LastGame.brimal-replay" ] || fail "the game was not kept as LastGame.brimal-replay"

# Nothing is written from here on.
touch "$work/marker"
sleep 1.1
written() { find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -newer "$work/marker" | grep .; }

"$program" --replay "$data/LastGame.brimal-replay" --speed 8 2>>"$work/stderr" &
pid=$!
wait_until 30 any_title || fail "no window for the replay"
wid=$(any_title)
wait_until 10 title_is "Brimal  -Replay-" || fail "the title did not read Brimal  -Replay-"
wait_until 120 title_is "Brimal  " || fail "the replay did not end"
{ message || warning; } | grep -q . && fail "a message came at the replay's end"
sleep 0.5
shoot_well replayed
compare -metric AE "$shots/played.png" "$shots/replayed.png" "$work/difference.png" 2>"$work/ae" ||
    fail "the replayed well differs from the played one in $(cat "$work/ae") pixels"
quit_by_menu "$wid" "$pid"

printf 'garbage\n' >"$work/garbage.brimal-replay"
"$program" --replay "$work/garbage.brimal-replay" 2>>"$work/stderr" &
pid=$!
wait_until 30 warning || fail "no message for a garbage file"
xdotool windowfocus --sync "$(warning)"
xdotool key Return
wait_until 10 bash -c "! xdotool search --onlyvisible --name '^警告\$'" ||
    fail "the message for the garbage file did not close"
wid=$(any_title)
title_is "Brimal  " || fail "the window is not idle after a garbage file"
quit_by_menu "$wid" "$pid"
if written >"$work/written"; then
    fail "the replays wrote: $(cat "$work/written")"
fi
passed=1
