#!/usr/bin/env bash
# Builds the Debian package of a built tree into a temporary folder (as
# `cpack -G DEB` does in the build folder) and checks it: its name, that every
# file lies under /usr with the command in /usr/games, its dependencies, and
# that lintian runs and finds no errors. Lintian's warnings are printed.
#
# Usage: check_package.sh BUILD-FOLDER VERSION
set -euo pipefail

build=$(realpath "$1")
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
package=$work/brimal_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no $(basename "$package"): $(ls "$work")"

files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}')
outside=$(grep -v '^\./usr/' <<<"$files" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
for file in ./usr/games/brimal ./usr/share/brimal/Brimal.txt ./usr/share/brimal/Brimal.en.txt \
    ./usr/share/applications/com.kelvox.Brimal.desktop \
    ./usr/share/metainfo/com.kelvox.Brimal.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/com.kelvox.Brimal.png \
    ./usr/share/man/man6/brimal.6.gz ./usr/share/doc/brimal/copyright; do
    grep -qxF "$file" <<<"$files" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$package" Depends)
for needed in qt6-translations-l10n fonts-ipafont-gothic libqt6widgets6 libsdl2-2.0-0 libsdl2-mixer-2.0-0; do
    grep -q "\b$needed\b" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done

# lintian exits 2 on an error tag and 1 when it fails itself: either fails the
# check.
lintian_status=0
report=$(lintian --fail-on error "$package" 2>&1) || lintian_status=$?
report=$(grep -v 'running with root privileges' <<<"$report" || true)
[ "$lintian_status" = 0 ] || fail "lintian exited with $lintian_status: $report"
[ -z "$report" ] || echo "$report"
echo "$(basename "$package") as expected"
