#!/usr/bin/env bash
# Runs the installed program away from its build folder on an X server:
# installs the build into a temporary prefix, starts bin/brimal from an empty
# folder and presses F1, which must open the installed help file; a stand-in
# xdg-open first on PATH records what the desktop is asked to open (Qt runs
# xdg-open on a desktop it does not recognise). Then the about message must
# carry the title Brimal, not the lower-case command name, and the quit command
# must end the program.
#
# Usage: installed_help_run.sh BUILD-FOLDER
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
build=$(realpath "$1")
scripted_session "$build"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$work/bin" "$work/empty" "$work/config/Kelvox"
cat >"$work/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
STANDIN
chmod +x "$work/bin/xdg-open"
printf '[Sound]\nEnabeled=0\n' >"$work/config/Kelvox/Brimal.conf"

export PATH=$work/bin:$PATH
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID WAYLAND_DISPLAY

cd "$work/empty"
start_program "$prefix/bin/brimal"

xdotool key F1
wait_until 10 test -s "$work/opened" || fail "F1 opened nothing"
sleep 0.5
help=$prefix/share/brimal/Brimal.txt
opened=$(cat "$work/opened")
[ "$opened" = "file://$help" ] || [ "$opened" = "$help" ] ||
    fail "F1 opened \"$opened\", not the installed $help"

# The menu 設定等 (Alt+S), item バージョン情報 (A).
choose_menu "$wid" s a
message=$(message_window 10)
# xdotool's search ignores case; the title itself must be "Brimal".
title=$(xdotool getwindowname "$message")
[ "$title" = "Brimal" ] || fail "the about message is titled \"$title\", not Brimal"
close_message "$message" "about message"

quit_by_menu "$wid" "$pid"
passed=1
echo "F1 opened $opened"
