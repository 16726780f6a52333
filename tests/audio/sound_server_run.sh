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

source "$(dirname "${BASH_SOURCE[0]}")/../support/sound_server.sh"
program=$(realpath "$1")
scripted_session "$program"
trap 'stop_sound_server; end_scratch' EXIT
start_sound_server "$work/pulse"
export SDL_AUDIODRIVER=pulseaudio
sox -n -r 22050 -c 1 -b 16 "$work/silent.wav" trim 0 0.2
cd "$(dirname "$program")"

# end_program: ends the program, whose message may still be up.
end_program() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

# A run on the 6 x 17 well with the given extra settings lines: starts the
# program and a game, recording from the start of the game while the sound
# server runs.
run() {
    store_settings '[Setup]' SizeX=6 SizeY=17 "$@"
    start_program "$program"
    [ -z "$sound_server" ] || start_recording
    keys g
    wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
}

run
two_landings 0.6
recorded_above 0.02 "sounds on: two landings"
quit_by_menu "$wid" "$pid"

run '[Sound]' "1-3=$work/silent.wav" "4=$work/silent.wav" "GND=$work/silent.wav"
play_until_over
recorded_above 0.02 "game over with silent clips: the game-over message sound"
end_program

run '[Sound]' Enabeled=0
play_until_over
recorded_silence "sounds off: a game"
end_program

# No server: SDL finds none to open and the player stays silent.
stop_sound_server
export PULSE_SERVER=unix:$work/pulse/none
run
two_landings 0.6
title_is "Brimal  -Play-" || fail "no server: the game did not go on"
quit_by_menu "$wid" "$pid"
passed=1
echo "sounds reached the server when on and not when off; without a server the game played silently"
