#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what lands there:
# exactly the expected files, the icons at their sizes (read back from the PNG
# files), the menu entry and the software-centre data through their
# validators, the version in the software-centre data and the manual page, and
# the manual page rendered without warnings.
#
# Usage: check_install_tree.sh BUILD-FOLDER SOURCE-FOLDER VERSION
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
version=$3
id=com.kelvox.Brimal
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"

cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

expected=(bin/brimal share/brimal/Brimal.txt share/brimal/Brimal.en.txt share/applications/$id.desktop
          share/metainfo/$id.metainfo.xml share/man/man6/brimal.6.gz
          share/doc/brimal/copyright share/doc/brimal/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ (< expected, > installed)"

[ -x bin/brimal ] || fail "bin/brimal is not executable"
for help in Brimal.txt Brimal.en.txt; do
    cmp -s "share/brimal/$help" "$source/resources/$help" || fail "the help file $help differs"
done

for size in 16 24 32 48 64 128 256; do
    read -r width height < <(identify -format '%w %h\n' "share/icons/hicolor/${size}x$size/apps/$id.png")
    [ "$width $height" = "$size $size" ] || fail "the ${size}x$size icon is $width x $height"
done

grep -qx "Exec=brimal" share/applications/$id.desktop || fail "the menu entry does not start brimal"
grep -qx "Icon=$id" share/applications/$id.desktop || fail "the menu entry names another icon"
report=$(desktop-file-validate share/applications/$id.desktop 2>&1) ||
    fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

report=$(appstreamcli validate --no-net share/metainfo/$id.metainfo.xml 2>&1) ||
    fail "appstreamcli validate: $report"
if grep -q '^E:' <<<"$report"; then fail "appstreamcli validate: $report"; fi
grep -q "<release version=\"$version\"" share/metainfo/$id.metainfo.xml ||
    fail "the software-centre data does not release $version"

page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l share/man/man6/brimal.6.gz 2>"$prefix/warnings")
[ ! -s "$prefix/warnings" ] || fail "man: $(cat "$prefix/warnings")"
for text in "brimal - falling-block puzzle game" "Brimal $version" "~/.config/Kelvox/Brimal.conf" \
    "/usr/share/brimal/Brimal.txt" "turn left"; do
    grep -qF -- "$text" <<<"$page" || fail "the manual page lacks \"$text\""
done
echo "installed tree as expected"
