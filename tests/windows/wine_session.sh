# Helpers for the test scripts that run the installed Windows program under
# Wine on an X server; source it (it brings script_helpers.sh).
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"

# start_wine_session SETUP [ARGUMENT...]: how such a script starts, given its
# arguments, SETUP first: in a session of its own (scripted_session), it makes
# a fresh Wine prefix in the work folder and installs the game into it
# silently with the installer SETUP; sets $installed (the program's folder)
# and $settings_key. Wine's server is ended on exit, before the work folder
# goes.
start_wine_session() {
    scripted_session "$@"
    trap 'wineserver -k 2>/dev/null || true; ! declare -F stop_sound_server >/dev/null || stop_sound_server; end_scratch' EXIT
    export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine hands the environment on: the program chooses its own platform, and
    # SDL its Windows sound back ends.
    unset QT_QPA_PLATFORM SDL_AUDIODRIVER
    wineboot --init >/dev/null 2>&1
    wine "$1" /S
    wineserver -w
    installed=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/Programs/Brimal
    [ -f "$installed/Brimal.exe" ] || fail "the installer put no Brimal.exe in $installed"
    settings_key='HKCU\Software\Kelvox\Brimal'
}

# store_value SECTION NAME TEXT: writes a text value into the settings key.
# Under a locale without its files Wine's reg would garble non-ASCII text.
store_value() {
    LANG=C.UTF-8 LC_ALL=C.UTF-8 wine reg add "$settings_key\\$1" /v "$2" /t REG_SZ /d "$3" /f \
        >/dev/null
}

# start_installed: starts the installed program as $pid, its output added to
# the work folder's stdout and stderr, waits for its main window $wid and
# gives that the focus, as start_program does.
start_installed() {
    (cd "$installed" && exec wine Brimal.exe) >>"$work/stdout" 2>>"$work/stderr" &
    pid=$!
    wid=$(main_window) || fail "no window titled \"Brimal  \""
    xdotool windowfocus --sync "$wid"
    sleep 0.5
}

# restart_wine: ends every program of the prefix and Wine's server, so that
# the next program starts with the prefix's registry as it is now.
restart_wine() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -n "${pid:-}" ]; then
        wait "$pid" 2>/dev/null || true
    fi
    pid=""
}
