# Helpers for the test scripts that drive the program from outside; source it.

# on_own_x "$@": without an X server (DISPLAY unset) runs the calling script
# again, with the same arguments, under an X server of its own (own_x.sh) and
# ends with its status; with one, returns at once. Call it before anything
# that needs the server, and with paths already made absolute.
on_own_x() {
    [ -n "${DISPLAY:-}" ] && return 0
    exec "$(dirname "${BASH_SOURCE[0]}")/own_x.sh" bash "$0" "$@"
}

# own_session DIR: the program runs in a session of its own under DIR: empty
# configuration, data and cache folders DIR/config, DIR/data and DIR/cache (so
# the user's store, high-score table and caches stay untouched), a private
# runtime folder DIR/runtime, SDL's dummy audio driver and Qt on X.
own_session() {
    export XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data XDG_CACHE_HOME=$1/cache
    export XDG_RUNTIME_DIR=$1/runtime
    export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# scratch_folder: makes the script's work folder $work and the folder $shots
# for its screenshots ($BRIMAL_SCREENSHOTS when set, else inside $work). On
# exit the program $pid, if any, is ended, and $work is removed unless the run
# failed ($passed empty): then it is kept and named.
scratch_folder() {
    work=$(mktemp -d)
    shots=${BRIMAL_SCREENSHOTS:-$work/screenshots}
    mkdir -p "$shots"
    pid=""
    passed=""
    trap end_scratch EXIT
}

# scripted_session "$@": how a script that plays the program starts: on an X
# server of its own where there is none (on_own_x, with the same arguments),
# then in its work folder (scratch_folder) with a session inside it
# (own_session).
scripted_session() {
    on_own_x "$@"
    scratch_folder
    own_session "$work"
}

end_scratch() {
    end_process "$pid"
    if [ -n "$passed" ]; then
        rm -rf "$work"
    else
        echo "the failed run's files (screenshots, the program's stderr) kept in $work" >&2
    fi
}

# store_settings LINE...: writes the lines as the program's store file $store
# in the session's configuration folder.
store_settings() {
    store=$XDG_CONFIG_HOME/Kelvox/Brimal.conf
    mkdir -p "$(dirname "$store")"
    printf '%s\n' "$@" >"$store"
}

# start_program COMMAND...: starts the program as $pid, its stderr added to
# $work/stderr, waits for its main window $wid and gives that the focus.
start_program() {
    "$@" 2>>"$work/stderr" &
    pid=$!
    wid=$(main_window "$pid") || fail "no main window"
    xdotool windowfocus --sync "$wid"
    sleep 0.5
}

# end_process PID: ends the process PID, when one is given, and waits for it.
end_process() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# fail MESSAGE...: reports a failed check and ends the script.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails when SECONDS have passed.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# main_window [PID]: waits up to 30 s for the program's main window, of the
# process PID when one is given, and prints its id; fails when none comes.
main_window() {
    local of=()
    [ -n "${1:-}" ] && of=(--pid "$1")
    wait_until 30 xdotool search --onlyvisible "${of[@]}" --name '^Brimal  $' || return 1
    xdotool search --onlyvisible "${of[@]}" --name '^Brimal  $' | head -1
}

# message_window SECONDS: waits up to SECONDS for a message of the program and
# prints its id; fails when none comes. A message is a dialog titled "Brimal"
# (the program's open menus are titled so too).
message_window() {
    wait_until "$1" shown_message || fail "no message came"
    shown_message
}
shown_message() {
    local window
    for window in $(xdotool search --onlyvisible --name '^Brimal$'); do
        xprop -id "$window" _NET_WM_WINDOW_TYPE | grep -q _DIALOG && echo "$window" && return 0
    done
    return 1
}

# well_text SHOT COLUMNS ROWS: the well of COLUMNS x ROWS cells in a screenshot
# of the main window, as text: one line a row from the top, '#' for a cell
# that shows a block and '.' for an empty (black) one. The client area below
# the menu bar is 16 x ROWS + 4 pixels high; the well starts 2 pixels into it,
# 16 pixels a cell.
well_text() {
    local height top
    height=$(identify -format '%h' "$1")
    top=$((height - (16 * $3 + 4) + 2))
    convert "$1" -crop "$((16 * $2))x$((16 * $3))+0+$top" +repage -filter point \
        -sample "$2x$3!" txt:- |
        awk -F'[ ,:]+' -v w="$2" -v h="$3" 'NR > 1 { cell[$1, $2] = ($0 ~ /#000000/) ? "." : "#" }
            END { for (y = 0; y < h; y++) { line = ""; for (x = 0; x < w; x++) line = line cell[x, y]; print line } }'
}

# differing_pixels A B: the number of pixels in which two pictures of the same
# size differ. compare exits 0 when they are alike and 1 when they differ;
# any other status is the tool failing, which fails the check with its message.
differing_pixels() {
    local count status=0
    count=$(compare -metric AE "$1" "$2" null: 2>&1) || status=$?
    [ "$status" -le 1 ] || fail "compare $1 $2 exited with $status: $count"
    echo "$count"
}

# title_is TITLE: whether the main window $wid shows TITLE; keys KEY...: types
# the keys into it.
title_is() { [ "$(xdotool getwindowname "$wid")" = "$1" ]; }
keys() { xdotool key --window "$wid" --delay 30 "$@"; }

# close_message WID WHAT: answers the message window WID with Enter and waits
# until no message of the program is left.
close_message() {
    xdotool windowfocus --sync "$1"
    xdotool key Return
    wait_until 10 bash -c "! xdotool search --onlyvisible --name '^Brimal\$'" ||
        fail "the $2 did not close"
}

# choose_menu WID MENU ITEM: chooses a command of the window WID by its
# menu's and its item's access keys (g or s, then the item's letter), the
# item's once the menu has opened: a new window shows. Fails when none does,
# as while a modal dialog holds the window.
choose_menu() {
    local before
    xdotool windowfocus --sync "$1"
    before=$(shown_windows)
    xdotool key "alt+$2"
    wait_until 10 window_shown_since "$before" || fail "Alt+$2 opened no menu"
    xdotool key "$3"
}

# shown_windows: the ids of the windows that show, sorted; window_shown_since
# IDS: whether a window shows that is not among IDS.
shown_windows() { xdotool search --onlyvisible --name '' | sort; }
window_shown_since() { [ -n "$(comm -13 <(echo "$1") <(shown_windows))" ]; }

# quit_by_menu WID PID: quits through the game menu (Alt+G opens it, X is the
# quit command), checks that the program PID ends cleanly and clears $pid.
quit_by_menu() {
    choose_menu "$1" g x
    wait_until 10 bash -c "! kill -0 $2" || fail "the quit command did not end the program"
    wait "$2" || fail "the program ended with status $?"
    pid=""
}
