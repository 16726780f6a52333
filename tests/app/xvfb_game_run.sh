#!/usr/bin/env bash
# Plays one short game of the real program on an X server: starts it on a
# small stored well, starts a game with G, pauses and resumes with P, lets the
# pieces fall until the game is over, dismisses the message and quits through
# the game menu. Checks the title at each step, the game-over message window
# and the position saved at the end, and keeps screenshots of the idle window,
# the game in progress, the paused game and the game-over message in
# $BRIMAL_SCREENSHOTS (when unset, in a temporary folder that is kept only if
# the run fails).
#
# Usage: xvfb_game_run.sh path/to/Brimal
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
program=$(realpath "$1")
scripted_session "$program"
store_settings '[Setup]' SizeX=6 SizeY=17 '[Sound]' Enabeled=0
shoot() { import -window root "$shots/$1.png"; }

cd "$(dirname "$program")"
start_program "$program"
shoot 1-idle

xdotool key g
wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
sleep 2
shoot 2-playing

xdotool key p
wait_until 10 title_is "Brimal  -Pause-" || fail "P did not pause"
sleep 0.3
shoot 3-paused
xdotool key p
wait_until 10 title_is "Brimal  -Play-" || fail "P did not resume"

# The pieces pile up in the middle of the six columns until one cannot enter.
message=$(message_window 240)
title_is "Brimal  " || fail "the title is not idle after the game over"
sleep 0.5
shoot 4-gameover

close_message "$message" "message"

quit_by_menu "$wid" "$pid"
grep -q '^Top=' "$store" && grep -q '^Left=' "$store" || fail "the window position was not saved"
passed=1
if [ -n "${BRIMAL_SCREENSHOTS:-}" ]; then echo "screenshots in $shots"; fi
