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

# The client area below the menu bar is 16 x 25 + 4 pixels high; the well
# starts 2 pixels into it, 16 pixels a cell.
height=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
wellTop=$((height - 404 + 2))

# The well in a screenshot as text, one line a row from the top, '#' for a
# cell that shows a block and '.' for an empty (black) one.
well() {
    convert "$1" -crop "96x400+0+$wellTop" +repage -filter point -sample '6x25!' txt:- |
        awk -F'[ ,:]+' 'NR > 1 { cell[$1, $2] = ($0 ~ /#000000/) ? "." : "#" }
            END { for (y = 0; y < 25; y++) { line = ""; for (x = 0; x < 6; x++) line = line cell[x, y]; print line } }'
}
shot() { import -window "$wid" "$1"; }

# Whether the falling bar stands upright in column $2: in the upper half of
# the well only that column shows blocks.
bar_in_column() {
    well "$1" | head -12 | awk -v want="$2" '
        { for (x = 1; x <= 6; x++) if (substr($0, x, 1) == "#") cols[x - 1] = 1 }
        END { n = 0; for (c in cols) n++; exit !(n == 1 && (want in cols)) }'
}

keys g
sleep 0.5
for column in 0 1 2 3 4 5; do
    # A key that arrives during a fall step is dropped, as the game wants; so
    # the bar's place is checked and the moves repeated until it is right.
    placed=no
    for attempt in 1 2 3; do
        keys Left Left Left Left Left Up Left Left Left Left Left
        for ((i = 0; i < column; i++)); do keys Right; done
        sleep 0.2
        shot "$work/placing.png"
        if bar_in_column "$work/placing.png" "$column"; then placed=yes; break; fi
    done
    if [ "$placed" != yes ]; then
        echo "could not stand the bar upright in column $column:"
        well "$work/placing.png"
        exit 1
    fi
    if [ "$column" = 5 ]; then shot "$out/four-row-clear-before.png"; fi
    keys space
    # The last landing waits 200 ms for each of the four rows, then for the
    # four-row sound.
    if [ "$column" = 5 ]; then sleep 3; else sleep 0.5; fi
done
shot "$out/four-row-clear-after.png"

before=$(well "$out/four-row-clear-before.png" | tail -4)
after=$(well "$out/four-row-clear-after.png" | tail -4)
expectedBefore=$'#####.\n#####.\n#####.\n#####.'
expectedAfter=$'......\n......\n......\n......'
status=0
if [ "$before" != "$expectedBefore" ]; then
    printf 'bottom rows before the last drop:\n%s\nexpected:\n%s\n' "$before" "$expectedBefore"
    status=1
fi
if [ "$after" != "$expectedAfter" ]; then
    printf 'bottom rows after the four-row clear:\n%s\nexpected:\n%s\n' "$after" "$expectedAfter"
    status=1
fi
# The four-row counter has changed from "00".
line4="-crop 24x23+130+$((wellTop + 236)) +repage"
if compare -metric AE $line4 "$out/four-row-clear-before.png" \
        <(convert "$out/four-row-clear-after.png" $line4 png:-) null: 2>/dev/null; then
    echo "the four-row counter did not change"
    status=1
fi
echo "well after the clear:"
well "$out/four-row-clear-after.png"
[ "$status" != 0 ] || passed=1
exit $status
