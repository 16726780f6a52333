# Helpers for the test scripts that drive the program from outside; source it.

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
