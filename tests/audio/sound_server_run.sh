#!/usr/bin/env bash
# The real program's sounds through a real sound server: SDL's PulseAudio
# driver plays into a private daemon's null sink, whose monitor is recorded and
# measured (tests/support/sound_server.sh). On a small well, with pieces
# dropped by Space:
#   - sounds on: the landings' built-in clip reaches the server;
#   - sounds on with silent files in the three slots: the game-over message
#     sound alone reaches it;
#   - sounds off: a whole game is silence;
#   - no server at all: the program starts and plays a game, silently.
#
# Usage: sound_server_run.sh path/to/Brimal
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../support/script_helpers.sh"
source "$here/../support/sound_server.sh"
program=$(realpath "$1")
scripted_session "$program"
trap 'stop_sound_server; end_scratch' EXIT
start_sound_server "$work/pulse"
export SDL_AUDIODRIVER=pulseaudio
sox -n -r 22050 -c 1 -b 16 "$work/silent.wav" trim 0 0.2
cd "$(dirname "$program")"

# play_until_over: drops pieces with Space until the game is over and its
# message sound has had time to play. A Space may reach the game-over message
# and answer it, so the title tells when the game is over.
play_until_over() {
    for tick in $(seq 0 199); do
        title_is "Brimal  " && break
        [ $((tick % 5)) -eq 0 ] && keys space
        sleep 0.1
    done
    title_is "Brimal  " || fail "the game did not end"
    sleep 0.7
}

# end_program: ends the program, whose message may still be up.
end_program() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

# A run on the 6 x 17 well with the given extra settings lines: starts the
# program and a game, recording from the start of the game.
run() {
    store_settings '[Setup]' SizeX=6 SizeY=17 "$@"
    start_program "$program"
    start_recording "$work/recorded.raw"
    keys g
    wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
}

run
keys space
sleep 0.6
keys space
sleep 0.6
stop_recording
louder "$peak" 0.02 || fail "sounds on: two landings peaked at \"$peak\", no louder than silence"
echo "landings with sounds on: peak $peak"
quit_by_menu "$wid" "$pid"

run '[Sound]' "1-3=$work/silent.wav" "4=$work/silent.wav" "GND=$work/silent.wav"
play_until_over
stop_recording
louder "$peak" 0.02 || fail "the game-over message sound peaked at \"$peak\""
echo "game over with silent clips: peak $peak"
end_program

run '[Sound]' Enabeled=0
play_until_over
stop_recording
[ "$peak" = "0.000000" ] || fail "sounds off: a game peaked at \"$peak\", not silence"
echo "a game with sounds off: peak $peak"
end_program

# No server: SDL finds none to open and the player stays silent.
stop_sound_server
export PULSE_SERVER=unix:$work/pulse/none
store_settings '[Setup]' SizeX=6 SizeY=17
start_program "$program"
keys g
wait_until 10 title_is "Brimal  -Play-" || fail "no server: G did not start a game"
keys space
sleep 0.6
keys space
sleep 0.6
title_is "Brimal  -Play-" || fail "no server: the game did not go on"
quit_by_menu "$wid" "$pid"
passed=1
echo "sounds reached the server when on and not when off; without a server the game played silently"
