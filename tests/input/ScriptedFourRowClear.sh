#!/usr/bin/env bash
# Plays a game with real key presses on an X server to a four-row clear, and
# checks the well in screenshots taken just before and after the last drop.
#
# Every piece is a bar (only kind 2 is ever drawn) in a well 6 columns wide:
# five bars stand upright in columns 0 to 4, and the sixth, dropped into
# column 5, completes the bottom four rows at once. A bar enters lying or
# upright; Left x5, Up, Left x5 brings either one upright into column 0 (a
# lying bar turns upright two columns to the right of its anchor; an upright
# bar in column 0 cannot turn), and Right x n then takes it to column n.
#
# Usage: ScriptedFourRowClear.sh BRIMAL OUTPUT_FOLDER
# The screenshots stay in OUTPUT_FOLDER as four-row-clear-before.png and
# four-row-clear-after.png.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
brimal=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
scripted_session "$brimal" "$out"
store_settings '[Ratio]' Enabeled=1 Block1=0 Block2=100 Block3=0 Block4=0 Block5=0 Block6=0 \
    Block7=0 '[Setup]' SizeX=6 SizeY=25
start_program "$brimal"

# The four-row counter's place in a screenshot: the client area below the menu
# bar is 16 x 25 + 4 pixels high, the well starts 2 pixels into it.
height=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
line4=(-crop "24x23+130+$((height - 404 + 2 + 236))" +repage)

well() { well_text "$1" 6 25; }
shot() { import -window "$wid" "$1"; }

# Whether the falling bar stands upright in column $1: in the upper half of
# the well only that column shows blocks. Looks at a new screenshot.
bar_in_column() {
    shot "$work/placing.png"
    well "$work/placing.png" | head -12 | awk -v want="$1" '
        { for (x = 1; x <= 6; x++) if (substr($0, x, 1) == "#") cols[x - 1] = 1 }
        END { n = 0; for (c in cols) n++; exit !(n == 1 && (want in cols)) }'
}

# The number of pixels in which the four-row counter differs between the
# screenshots before and after the last drop.
counter_change() {
    convert "$out/four-row-clear-before.png" "${line4[@]}" "$work/counter-before.png"
    convert "$out/four-row-clear-after.png" "${line4[@]}" "$work/counter-after.png"
    differing_pixels "$work/counter-before.png" "$work/counter-after.png"
}

expectedBefore=$'#####.\n#####.\n#####.\n#####.'
expectedAfter=$'......\n......\n......\n......'

# Whether the four rows have gone and the counter has changed, in a new
# screenshot after the last drop: the landing waits 200 ms for each of the
# four rows, then for the four-row sound.
cleared() {
    local change
    shot "$out/four-row-clear-after.png"
    [ "$(well "$out/four-row-clear-after.png" | tail -4)" = "$expectedAfter" ] &&
        change=$(counter_change) && [ "$change" != 0 ]
}

# Whether bars stand in columns 0 to $1 of the bottom four rows and nothing
# else is there, in a new screenshot.
landed_up_to() {
    local row
    row=$(printf '%*s' $(($1 + 1)) '' | tr ' ' '#')$(printf '%*s' $((5 - $1)) '' | tr ' ' '.')
    shot "$work/landing.png"
    [ "$(well "$work/landing.png" | tail -4)" = "$(printf '%s\n%s\n%s\n%s' "$row" "$row" "$row" "$row")" ]
}

# drop COLUMN CHECK...: presses Space until CHECK holds. A Space that arrives
# during a fall step is dropped, as the game wants, and the bar then goes on
# falling where it stands; so while CHECK does not hold and the bar still
# stands in COLUMN near the top, the Space was lost and is pressed again.
# Otherwise the bar is on its way down and is given time to land.
drop() {
    local column=$1 attempt
    shift
    for attempt in 1 2 3; do
        keys space
        if wait_until 4 "$@"; then return 0; fi
        bar_in_column "$column" || break
    done
    wait_until 8 "$@"
}

keys g
wait_until 10 title_is "Brimal  -Play-" || fail "G did not start a game"
for column in 0 1 2 3 4 5; do
    # A key that arrives during a fall step is dropped, as the game wants; so
    # the bar's place is checked and the moves repeated until it is right.
    placed=no
    for attempt in 1 2 3; do
        keys Left Left Left Left Left Up Left Left Left Left Left
        for ((i = 0; i < column; i++)); do keys Right; done
        if wait_until 2 bar_in_column "$column"; then placed=yes; break; fi
    done
    if [ "$placed" != yes ]; then
        echo "could not stand the bar upright in column $column:"
        well "$work/placing.png"
        exit 1
    fi
    if [ "$column" = 5 ]; then
        shot "$out/four-row-clear-before.png"
        drop "$column" cleared || true
    elif ! drop "$column" landed_up_to "$column"; then
        echo "the bar in column $column did not land:"
        well "$work/landing.png"
        exit 1
    fi
done

status=0
# bottom_rows WHEN SHOT EXPECTED: whether the well's bottom four rows in SHOT
# are EXPECTED; says what they are when not, and sets $status to 1.
bottom_rows() {
    local rows
    rows=$(well "$2" | tail -4)
    [ "$rows" = "$3" ] || { printf 'bottom rows %s:\n%s\nexpected:\n%s\n' "$1" "$rows" "$3"; status=1; }
}
bottom_rows "before the last drop" "$out/four-row-clear-before.png" "$expectedBefore"
bottom_rows "after the four-row clear" "$out/four-row-clear-after.png" "$expectedAfter"
# The four-row counter has changed from "00".
change=$(counter_change)
[ "$change" != 0 ] || { echo "the four-row counter did not change"; status=1; }
echo "well after the clear:"
well "$out/four-row-clear-after.png"
[ "$status" != 0 ] || passed=1
exit $status
