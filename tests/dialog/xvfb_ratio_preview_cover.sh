#!/usr/bin/env bash
# The ratio page's preview as a player meets it, in the real program on an X
# server: with a field entered the preview shows its kind; another window then
# covers the dialog and goes away, and the preview is black again, while the
# rest of the dialog is as it was.
#
# Usage: xvfb_ratio_preview_cover.sh path/to/Brimal
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
program=$(realpath "$1")
scripted_session "$program"
store_settings '[Ratio]' Enabeled=1
start_program "$program"

dialog_window() { xdotool search --onlyvisible --name '^各種設定$' | head -1; }
choose_menu "$wid" s s
wait_until 10 dialog_window || fail "the menu did not open the settings dialog"
dialog=$(dialog_window)
xdotool windowfocus --sync "$dialog"
sleep 0.3
# The third page, then its check box and its first field: the preview shows
# that field's kind.
xdotool key --delay 60 ctrl+Tab ctrl+Tab Tab Tab
sleep 0.5
import -window "$dialog" "$work/entered.png"

# A window over the whole dialog, then gone again.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xmessage -geometry "${WIDTH}x${HEIGHT}+${X}+${Y}" -name cover "cover" &
cover=$!
wait_until 10 xdotool search --onlyvisible --name '^cover$' || fail "no window covered the dialog"
sleep 0.5
end_process "$cover"
wait_until 10 bash -c "! xdotool search --onlyvisible --name '^cover$'" || fail "the cover stayed"
sleep 0.5
import -window "$dialog" "$shots/ratio-preview-uncovered.png"

# The pixels that differ are the kind's picture: there must be some, and each
# one is black after the uncovering.
changed=$(differing_pixels "$work/entered.png" "$shots/ratio-preview-uncovered.png")
[ "$changed" != 0 ] || fail "the preview showed no kind, or kept it after the uncovering"
compare "$work/entered.png" "$shots/ratio-preview-uncovered.png" -compose src \
    -highlight-color white -lowlight-color black "$work/changed.png" 2>/dev/null || true
convert "$shots/ratio-preview-uncovered.png" -alpha off -fill white +opaque black "$work/lit.png"
not_black=$(convert "$work/changed.png" "$work/lit.png" -alpha off -compose multiply -composite \
    -colorspace gray -format '%[fx:round(mean*w*h)]' info:)
echo "$changed pixels changed by the uncovering; $not_black of them not black"
[ "$not_black" = 0 ] || fail "the uncovered preview is not black"
passed=1
