#!/usr/bin/env bash
# The high-score table as a player meets it, in the real program on an X
# server. With only the square piece in a well 6 x 17, three squares side by
# side clear two rows at once (4 points); squares then piled in the middle end
# the game. After the game-over message the name dialog offers the login name;
# End, "2", Enter records "tester2" and shows the table. After a restart a
# game without points asks nothing, and the menu shows the same table; a
# damaged score file is moved aside and the table starts empty. G hammered
# through a game's end starts no game behind the game-over message; Space
# tapped through a game's end, then Enter, records the offered name.
#
# Screenshots of the empty table, the name entry, the recorded table and the
# table reopened stay in $BRIMAL_SCREENSHOTS (when unset, in a temporary
# folder kept only if the run fails).
#
# Usage: xvfb_high_score.sh path/to/Brimal
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
program=$(realpath "$1")
scripted_session "$program"
export USER=tester USERNAME=tester LOGNAME=tester
store_settings '[Setup]' SizeX=6 SizeY=17 '[Sound]' Enabeled=0 '[Ratio]' Enabeled=1 Block1=100 \
    Block2=0 Block3=0 Block4=0 Block5=0 Block6=0 Block7=0
scores=$XDG_DATA_HOME/Kelvox/Brimal/HighScores.txt

scores_window() { xdotool search --onlyvisible --name '^ハイスコア$' | head -1; }
no_scores_window() { ! xdotool search --onlyvisible --name '^ハイスコア$'; }

# Opens 設定等 → ハイスコア, keeps a screenshot of the table as $1.png and
# closes it with Enter.
open_table() {
    choose_menu "$wid" s r
    wait_until 10 scores_window || fail "the menu did not open the table"
    local table
    table=$(scores_window)
    sleep 0.3
    import -window "$table" "$shots/$1.png"
    xdotool windowfocus --sync "$table"
    close_table
}
close_table() { xdotool key Return; wait_until 10 no_scores_window || fail "Enter did not close the table"; }

# The columns of the well's top four rows that show a block: the falling
# square, as "##...." for columns 0 and 1.
falling_columns() {
    import -window "$wid" "$work/falling.png"
    well_text "$work/falling.png" 6 17 | head -4 |
        awk '{ for (x = 1; x <= 6; x++) if (substr($0, x, 1) == "#") col[x] = 1 }
            END { s = ""; for (x = 1; x <= 6; x++) s = s ((x in col) ? "#" : "."); print s }'
}

falling_is() { [ "$(falling_columns)" = "$1" ]; }

# The columns of the well's bottom two rows that show a block, as
# falling_columns gives them.
bottom_columns() {
    import -window "$wid" "$work/bottom.png"
    well_text "$work/bottom.png" 6 17 | tail -2 |
        awk '{ for (x = 1; x <= 6; x++) if (substr($0, x, 1) == "#") col[x] = 1 }
            END { s = ""; for (x = 1; x <= 6; x++) s = s ((x in col) ? "#" : "."); print s }'
}
bottom_is() { [ "$(bottom_columns)" = "$1" ]; }

# place_square WANT BOTTOM [KEY]: once the new square shows where it enters,
# presses KEY, one press at a time, until the falling square stays in the
# columns WANT against a wall (a key that comes during a fall step is
# dropped, as the game wants, and a press too many only meets the wall), then
# drops it with Space until the bottom two rows show BOTTOM. A Space can be
# dropped the same way: while the square still falls near the top in WANT,
# Space is pressed again.
place_square() {
    local want=$1 bottom=$2 key=${3:-}
    local deadline=$((SECONDS + 10))
    # The new square first shows where it enters; keys before that would
    # meet the last one's landing.
    wait_until 5 falling_is "..##.." || fail "no new square entered: $(falling_columns)"
    # Settled: still in WANT a moment after the last press, every key taken.
    until falling_is "$want" && sleep 0.3 && falling_is "$want"; do
        [ -n "$key" ] && [ "$SECONDS" -lt "$deadline" ] ||
            fail "the square did not reach $want: $(falling_columns)"
        keys "$key"
        sleep 0.15
    done
    for _ in 1 2 3; do
        keys space
        wait_until 4 bottom_is "$bottom" && return
        falling_is "$want" || break
    done
    wait_until 8 bottom_is "$bottom" ||
        fail "the square dropped in $want left the bottom rows at $(bottom_columns), not $bottom"
}

# start_game WHICH: G in the main window starts the WHICH game.
start_game() {
    xdotool windowfocus --sync "$wid"
    xdotool key g
    wait_until 10 title_is "Brimal  -Play-" || fail "G did not start the $1 game"
}

# Three squares side by side: two rows cleared at once, 4 points.
clear_two_rows() {
    place_square "..##.." "..##.."
    place_square "##...." "####.." Left
    place_square "....##" "......" Right
}

# The height of the pile in the well's middle: the rows filled from the bottom
# up in column 2.
pile_height() {
    import -window "$wid" "$work/pile.png"
    well_text "$work/pile.png" 6 17 |
        awk '{ row[NR] = substr($0, 3, 1) } END { h = 0; for (r = NR; r >= 1 && row[r] == "#"; r--) h++; print h }'
}
pile_above() { [ "$(pile_height)" -gt "$1" ]; }

# Drops squares down the middle until the game is over, then prints the
# game-over message. Each Space waits for the pile to grow, so that none is
# left over to answer the message (a synthetic key to the main window closes
# it under Xvfb), and the last squares, which end the game, fall by
# themselves. A Space lost in a fall step is made up by the next.
drop_until_game_over() {
    local height
    for _ in $(seq 60); do
        title_is "Brimal  -Play-" || break
        height=$(pile_height)
        [ "$height" -lt 13 ] || break
        keys space
        wait_until 4 pile_above "$height" || true
    done
    wait_until 30 shown_message || {
        import -window root "$work/no-message.png"
        fail "no game-over message; the title reads $(xdotool getwindowname "$wid")"
    }
    shown_message
}

# stays_still TARGET WHEN: over a second the title stays idle and the window
# TARGET ("root" for the screen) unchanged.
stays_still() {
    import -window "$1" "$work/still-1.png"
    sleep 1
    import -window "$1" "$work/still-2.png"
    title_is "Brimal  " || fail "the title became $(xdotool getwindowname "$wid") $2"
    [ "$(differing_pixels "$work/still-1.png" "$work/still-2.png")" = 0 ] ||
        fail "the well changed $2"
}

same_size() { [ "$(identify -format '%wx%h' "$1")" = "$(identify -format '%wx%h' "$2")" ]; }

cd "$(dirname "$program")"

# 1. No table yet: the menu shows an empty one and makes no file.
start_program "$program"
open_table 1-empty-table
[ ! -e "$XDG_DATA_HOME/Kelvox" ] || fail "looking at the table made a folder"

# 2. A game with a double row clear.
start_game first
clear_two_rows
message=$(drop_until_game_over)
title_is "Brimal  " || fail "the title is not idle after the game over"
close_message "$message" "game-over message"

# 3. The name, then the table with the new row.
wait_until 10 scores_window || fail "no name dialog after a game with points"
dialog=$(scores_window)
sleep 0.3
import -window "$dialog" "$shots/2-name-entry.png"
xdotool windowfocus --sync "$dialog"
xdotool key End
xdotool type 2
xdotool key Return
sleep 0.5
scores_window >/dev/null || fail "Enter closed the dialog instead of showing the table"
import -window "$dialog" "$shots/3-recorded-table.png"
row=$(grep -P '^6x17 next:on fall:off ratio:100/0/0/0/0/0/0\t4\t' "$scores" || true)
[ -n "$row" ] || fail "no row of 4 points in the score file: $(cat "$scores" 2>/dev/null)"
[ "$(cut -f 4 <<<"$row")" = 0 ] && [ "$(cut -f 6 <<<"$row")" = tester2 ] ||
    fail "the row is not 4 points, no four-row clear, by tester2: $row"
close_table
quit_by_menu "$wid" "$pid"

# 4. After a restart: a game without points asks nothing; the menu shows the
# row, which the empty table of step 1 did not (the columns keep their width).
start_program "$program"
start_game second
message=$(drop_until_game_over)
close_message "$message" "second game-over message"
# The menu opens only once no name dialog holds the window.
open_table 4-reopened-table
same_size "$shots/1-empty-table.png" "$shots/4-reopened-table.png" ||
    fail "the table changed its size"
pixels=$(differing_pixels "$shots/1-empty-table.png" "$shots/4-reopened-table.png")
[ "$pixels" -gt 100 ] || fail "the reopened table looks empty"
quit_by_menu "$wid" "$pid"

# 5. A damaged file: moved aside as it is, and the table starts empty.
printf 'no score file\n' >"$scores"
start_program "$program"
open_table 5-after-damage
pixels=$(differing_pixels "$shots/1-empty-table.png" "$shots/5-after-damage.png")
[ "$pixels" = 0 ] || fail "the table after a damaged file is not empty"
aside=$(ls "$XDG_DATA_HOME/Kelvox/Brimal/"HighScores.damaged-*.txt)
[ "$(cat "$aside")" = "no score file" ] || fail "the damaged file was not kept: $aside"
quit_by_menu "$wid" "$pid"

# 6. G hammered every 30 ms through a game's end starts no game behind the
# game-over message: the title stays idle and the well unchanged while it is
# up, and after it is closed.
start_program "$program"
start_game third
# As a player's keys: to the window that has the focus, the message once it
# is up. (Synthetic events sent to the main window with --window close the
# message under Xvfb, whatever the key.)
(while :; do xdotool key g; sleep 0.03; done) &
hammer=$!
# A failed check ends the script: the hammer ends with it.
trap 'end_process "$hammer"; end_scratch' EXIT
message=$(drop_until_game_over)
stays_still root "behind the game-over message"
end_process "$hammer"
trap end_scratch EXIT
close_message "$message" "third game-over message"
stays_still "$wid" "after the game-over message closed"
quit_by_menu "$wid" "$pid"

# 7. Space tapped through the end of a game with points, past the game-over
# message and into the name prompt, then Enter: the offered name is recorded.
start_program "$program"
start_game fourth
clear_two_rows
for _ in $(seq 100); do
    scores_window >/dev/null && break
    xdotool key space
    sleep 0.1
done
dialog=$(scores_window) || fail "Space through the game's end brought no name prompt"
for _ in 1 2 3 4 5; do
    xdotool key space
    sleep 0.1
done
xdotool windowfocus --sync "$dialog"
xdotool key Return
sleep 0.5
# The table starts afresh after step 5: the login name is offered.
grep -qP '\t4\t.*\ttester$' "$scores" ||
    fail "the game tapped through is not recorded under the offered name: $(cat "$scores")"
close_table
quit_by_menu "$wid" "$pid"

passed=1
if [ -n "${BRIMAL_SCREENSHOTS:-}" ]; then echo "screenshots in $shots"; fi
