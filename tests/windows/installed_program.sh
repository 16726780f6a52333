#!/usr/bin/env bash
# The Windows installer and the installed program under Wine, on an X server:
# installs silently into a fresh Wine prefix, starts the program from its
# Start-menu folder's target, plays a short game on a small stored well to its
# end, confirms the settings dialog, quits, ends the Windows session over a
# second run (where the uninstaller and the installer must refuse while the
# game runs), and uninstalls silently. Checks the installed files and entries,
# the title at each step, that every value in the settings key is text
# (REG_SZ), that quitting and the session's end stored the position, and that
# the uninstaller removed the program and its shortcut and kept the settings.
# Screenshots go to $BRIMAL_SCREENSHOTS when set.
#
# Usage: installed_program.sh path/to/Brimal-<version>-setup.exe
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
setup=$(realpath "$1")
start_wine_session "$setup"
shortcut="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Brimal.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvox.Brimal'

# What the installation is: its files, its entry and its shortcut.
installation() {
    (cd "$installed" && find . -type f -exec md5sum {} + | sort)
    wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r'
    ls "$shortcut"
}
# Whether the copy of itself that the uninstaller hands over to has ended; a
# process of another Wine prefix on the machine does not count.
uninstaller_copy_ended() {
    local p
    for p in $(pgrep -f '\\Un\.exe /S'); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 1
    done
    return 0
}

[ -f "$installed/platforms/qwindows.dll" ] || fail "the platform plug-in is missing"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    Brimal" "Publisher    REG_SZ    Kelvox" \
             "QuietUninstallString    REG_SZ" "DisplayIcon    REG_SZ" \
             "EstimatedSize    REG_DWORD    0x"; do
    grep -q "$value" <<<"$entry" || fail "the uninstall entry lacks \"$value\""
done

# A small well, so that the clock ends the game soon.
store_value Setup SizeX 6
store_value Setup SizeY 17
store_value Sound Enabeled 0

start_installed
sleep 0.5
import -window root "$shots/wine-1-idle.png"

xdotool key g
wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
sleep 3
import -window root "$shots/wine-2-playing.png"
wait_until 300 xdotool search --onlyvisible --name '^Brimal$' || fail "no game-over message"
message=$(xdotool search --onlyvisible --name '^Brimal$' | head -1)
title_is "Brimal  " || fail "the title is not idle after the game over"
import -window root "$shots/wine-3-gameover.png"
close_message "$message" "game-over message"

# The settings dialog (設定等, 設定) confirmed with Enter writes the record.
choose_menu "$wid" s s
wait_until 10 xdotool search --onlyvisible --name '各種設定' || fail "no settings dialog"
dialog=$(xdotool search --onlyvisible --name '各種設定' | head -1)
sleep 0.5
import -window root "$shots/wine-4-settings.png"
xdotool windowfocus --sync "$dialog"
xdotool key Return
wait_until 10 bash -c "! xdotool search --onlyvisible --name '各種設定'" ||
    fail "the settings dialog did not close"

quit_by_menu "$wid" "$pid"

record=$(wine reg query "$settings_key" /s 2>/dev/null | tr -d '\r')
values=$(grep -c '    REG_' <<<"$record" || true)
text_values=$(grep -c '    REG_SZ    ' <<<"$record" || true)
[ "$values" -ge 30 ] || fail "the settings key holds $values values, not the 28 and the position"
[ "$values" -eq "$text_values" ] || fail "not every value in the settings key is text: $record"
grep -q "Top    REG_SZ    -\?[0-9]" <<<"$record" && grep -q "Left    REG_SZ    -\?[0-9]" <<<"$record" ||
    fail "quitting did not store the position"
grep -q "SizeX    REG_SZ    6" <<<"$record" || fail "the settings dialog did not keep the stored width"

# The end of the Windows session closes the window as the quit command does,
# which stores the position again.
wine reg delete "$settings_key\\Setup" /v Top /f >/dev/null
wine reg delete "$settings_key\\Setup" /v Left /f >/dev/null
start_installed

# While the game runs, neither the uninstaller nor the installer touches its
# files: both refuse, silently with exit code 2, and leave everything as it
# was. Run in place (_?=) the uninstaller's own exit code shows; run as the
# list of installed programs runs it, it hands over to a copy of itself.
before=$(installation)
status=0
wine "$installed/Uninstall.exe" /S "_?=$(winepath -w "$installed")" || status=$?
[ "$status" -eq 2 ] || fail "the uninstaller ran while the game did (exit code $status)"
status=0
wine "$setup" /S || status=$?
[ "$status" -eq 2 ] || fail "the installer ran while the game did (exit code $status)"
wine "$installed/Uninstall.exe" /S
wait_until 20 uninstaller_copy_ended || fail "the uninstaller's copy did not end"
[ "$(installation)" = "$before" ] || fail "the refused uninstaller or installer changed the installation"

wineboot --end-session
wait_until 20 bash -c "! xdotool search --onlyvisible --name '^Brimal  \$'" ||
    fail "the end of the session did not close the window"
{ wait "$pid"; } 2>/dev/null || true
wine reg query "$settings_key\\Setup" /v Top >/dev/null 2>&1 ||
    fail "the end of the session did not store the position"

# A file that an older version installed and this one does not: named in the
# install log, it goes with the rest, and so does the folder.
echo old >"$installed/Qt5Gone.dll"
printf 'Qt5Gone.dll\r\n' >>"$installed/install.log"
wine "$installed/Uninstall.exe" /S
wineserver -w
sleep 1
wineserver -w
[ ! -e "$installed/Brimal.exe" ] || fail "the uninstaller left Brimal.exe"
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its entry"
wine reg query "$settings_key\\Setup" >/dev/null 2>&1 || fail "the uninstaller removed the settings"
passed=1
echo "installed, played, configured, quit, ended the session and uninstalled under Wine"
