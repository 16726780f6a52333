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
#   - a landing sound file that cannot be played gives the system's default
#     sound, set in the prefix's sound scheme;
#   - sounds off: a whole game is silence;
#   - no server at all: the program starts and plays a game, silently.
#
# Usage: wine_sound.sh path/to/Brimal-<version>-setup.exe
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../support/sound_server.sh"
source "$here/wine_session.sh"
setup=$(realpath "$1")
start_wine_session "$setup"
start_sound_server "$work/pulse"

store_value Setup SizeX 6
store_value Setup SizeY 17
mkdir -p "$WINEPREFIX/drive_c/音"
sox -n -r 22050 -c 1 -b 16 "$WINEPREFIX/drive_c/音/land.wav" synth 0.4 sine 440 vol 0.95

# play: starts the program, once the registry values written before have
# been saved by Wine's server, and a game in it.
play() {
    wineserver -w
    start_installed
    keys g
    wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
}

# landings_above LEVEL WHAT: plays two landings while recording; their peak
# must be above LEVEL.
landings_above() {
    start_recording
    play
    two_landings 0.8
    recorded_above "$1" "$2: two landings"
}

landings_above 0.02 "sounds on"

# The built-in clip peaks below 0.1 and the default sound, which a file that
# cannot be read gives instead, near 0.55.
restart_wine
store_value Sound GND 'C:\音\land.wav'
landings_above 0.8 "C:\音\land.wav"

# A sound file that cannot be played gives the system's default sound, the
# one of the user's sound scheme: here a loud one set in the prefix, above the
# tone of the program's own (near 0.55), which Linux plays instead. The file
# exists, so it is not replaced by the built-in clip at start-up, but it is no
# WAVE file.
restart_wine
sox -n -r 22050 -c 1 -b 16 "$WINEPREFIX/drive_c/windows/default.wav" synth 0.5 sine 660 vol 0.95
for event in .Default SystemDefault; do
    wine reg add "HKCU\\AppEvents\\Schemes\\Apps\\.Default\\$event\\.Current" /ve /t REG_SZ \
        /d 'C:\windows\default.wav' /f >/dev/null
done
printf 'not a sound' >"$WINEPREFIX/drive_c/音/broken.wav"
store_value Sound GND 'C:\音\broken.wav'
landings_above 0.8 "C:\音\broken.wav, no WAVE file"

restart_wine
store_value Sound Enabeled 0
start_recording
play
play_until_over
recorded_silence "sounds off: a game"

# No server: Wine's driver finds none to play to, and the game plays silently.
restart_wine
store_value Sound Enabeled 1
stop_sound_server
play
two_landings 0.8
title_is "Brimal  -Play-" || fail "no server: the game did not go on"
passed=1
echo "sounds reached the server when on, the Japanese path's among them, and not when off;" \
    "without a server the game played silently"
