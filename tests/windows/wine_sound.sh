#!/usr/bin/env bash
# The installed program's sounds under Wine through a real sound server: Wine's
# own audio driver plays into a private PulseAudio daemon's null sink, whose
# monitor is recorded and measured (tests/support/sound_server.sh). On a small
# well, with pieces dropped by Space:
#   - sounds on: the landings' built-in clip reaches the server;
#   - a loud landing sound kept in C:\音\land.wav is what the server records:
#     音 has no spelling in the ANSI code page (1252 here), so only a wide
#     path reaches the file. (Wine takes code page 932 from a Japanese locale,
#     but without that locale generated it no longer sees UTF-8 file names.)
#   - sounds off: a whole game is silence;
#   - no server at all: the program starts and plays a game, silently.
#
# Usage: wine_sound.sh path/to/Brimal-<version>-setup.exe
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../support/script_helpers.sh"
source "$here/../support/sound_server.sh"
source "$here/wine_session.sh"
setup=$(realpath "$1")
scripted_session "$setup"
install_into_fresh_prefix "$setup"
start_sound_server "$work/pulse"

store_value Setup SizeX 6
store_value Setup SizeY 17
mkdir -p "$WINEPREFIX/drive_c/音"
sox -n -r 22050 -c 1 -b 16 "$WINEPREFIX/drive_c/音/land.wav" synth 0.4 sine 440 vol 0.95

# play: starts the program, once the registry values written before have
# been saved by Wine's server, and a game in it.
play() {
    wineserver -w
    (cd "$installed" && exec wine Brimal.exe) >>"$work/stdout" 2>>"$work/stderr" &
    pid=$!
    wid=$(main_window) || fail "no window titled \"Brimal  \""
    xdotool windowfocus --sync "$wid"
    sleep 0.5
    keys g
    wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
}

# two_landings: drops two pieces, each landing with its sound.
two_landings() {
    keys space
    sleep 0.8
    keys space
    sleep 0.8
}

start_recording "$work/recorded.raw"
play
two_landings
stop_recording
louder "$peak" 0.02 || fail "sounds on: two landings peaked at \"$peak\", no louder than silence"
echo "landings with sounds on: peak $peak"

# The built-in clip peaks below 0.1 and the default sound, which a file that
# cannot be read gives instead, near 0.55.
restart_wine
store_value Sound GND 'C:\音\land.wav'
start_recording "$work/recorded.raw"
play
two_landings
stop_recording
louder "$peak" 0.8 || fail "C:\\音\\land.wav: two landings peaked at $peak"
echo "landings with C:\\音\\land.wav: peak $peak"

restart_wine
store_value Sound Enabeled 0
start_recording "$work/recorded.raw"
play
for _ in $(seq 12); do
    title_is "Brimal  " && break
    keys space
    sleep 0.5
done
title_is "Brimal  " || fail "sounds off: the game did not end"
stop_recording
[ "$peak" = "0.000000" ] || fail "sounds off: a game peaked at \"$peak\", not silence"
echo "a game with sounds off: peak $peak"

# No server: Wine's driver finds none to play to, and the game plays silently.
restart_wine
store_value Sound Enabeled 1
stop_sound_server
play
two_landings
title_is "Brimal  -Play-" || fail "no server: the game did not go on"
passed=1
echo "sounds reached the server when on, the Japanese path's among them, and not when off;" \
    "without a server the game played silently"
