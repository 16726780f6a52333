#!/usr/bin/env bash
# Reads the real program through AT-SPI on a private accessibility bus, as a
# screen reader does: the well and the preview by name, the well's description
# of the idle game, each counter with its label; then a listener hears the
# well's description change when G starts a game and when S ends it. Exits 77
# (skipped) where the buses cannot be started.
#
# Usage: xvfb_screen_reader.sh path/to/Brimal
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/accessibility_bus.sh"
program=$(realpath "$1")
scripted_session "$program"
listener=""
trap 'end_process "$listener"; end_process "$pid"; end_accessibility_bus; end_scratch' EXIT
accessibility_or_skip
store_settings '[Setup]' SizeX=6 SizeY=17 '[Sound]' Enabeled=0

cd "$(dirname "$program")"
start_program "$program"
read_tree() { /usr/bin/python3 "$reader" dump Brimal >"$work/tree" 2>>"$work/stderr"; }
wait_until 30 read_tree || fail "the program is not on the accessibility bus"

# depth|role|name|description[|text]
grep -q '|image|井戸|待機中、得点 00000、総数 00000、４段抜 00$' "$work/tree" ||
    fail "the well does not read as the idle 井戸"
grep -q '|image|次の駒|' "$work/tree" || fail "the preview has no name"
for counter in '得点||text=00000' '総数||text=00000' '４段抜||text=00'; do
    grep -q "|text|$counter\$" "$work/tree" || fail "no counter reads $counter"
done

/usr/bin/python3 "$reader" listen 30 object:property-change:accessible-description \
    >"$work/heard" 2>>"$work/stderr" &
listener=$!
wait_until 10 grep -q listening "$work/heard" || fail "the listener did not start"
keys g
wait_until 10 grep -q '|image|井戸|' "$work/heard" || fail "no description change at the start"
keys s
wait_until 10 title_is "Brimal  " || fail "S did not end the game"
heard() { [ "$(grep -c '|image|井戸|' "$work/heard")" -ge 2 ]; }
wait_until 10 heard || fail "no description change at the end"
passed=1
