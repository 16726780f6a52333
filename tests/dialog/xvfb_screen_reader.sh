#!/usr/bin/env bash
# Reads the settings dialog through AT-SPI on a private accessibility bus, as
# a screen reader does: the six page tabs by name, a spin button's value and
# range and a panel's name; then chooses a page by pressing its tab through
# the accessibility interface. Exits 77 (skipped) where the buses cannot be
# started.
#
# Usage: xvfb_screen_reader.sh path/to/setform_show
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/accessibility_bus.sh"
program=$(realpath "$1")
scripted_session "$program"
trap 'end_process "$pid"; end_accessibility_bus; end_scratch' EXIT
accessibility_or_skip

"$program" "$work" >"$work/pages" 2>>"$work/stderr" &
pid=$!
read_tree() { /usr/bin/python3 "$reader" dump setform_show >"$work/tree" 2>>"$work/stderr"; }
wait_until 30 read_tree || fail "the dialog is not on the accessibility bus"
wait_until 10 grep -q '|page tab|' "$work/tree" || read_tree

# depth|role|name|description[|text or value]
tabs=$(grep -o '|page tab|[^|]*|' "$work/tree" | cut -d'|' -f3 | paste -sd' ')
[ "$tabs" = "基本 拡張 発生割合 サウンド キー1 キー2" ] || fail "page tabs read as: $tabs"
grep -q '|page tab list|' "$work/tree" || fail "no page tab list"
grep -q '|spin button|.*|value=10 min=2 max=100$' "$work/tree" ||
    fail "the opening drop's spin does not read 10 of 2 to 100"
grep -q '|panel|最初にブロックを降らせる|' "$work/tree" || fail "the opening drop's panel has no name"

/usr/bin/python3 "$reader" press setform_show "page tab" "サウンド" || fail "the sound tab cannot be pressed"
wait_until 10 grep -qx 'page 3' "$work/pages" || fail "pressing the sound tab did not show its page"
passed=1
