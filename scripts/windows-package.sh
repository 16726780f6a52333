#!/usr/bin/env bash
# Makes the Windows products from BUILD/stage/Brimal (scripts/windows-deploy.sh):
# BUILD/Brimal-VERSION-win64.zip and the installer BUILD/Brimal-VERSION-setup.exe.
# First it adds the licences of the libraries shipped (licenses/ and
# THIRD-PARTY.txt, scripts/windows-licenses.sh).
#
# With SOURCE_DATE_EPOCH set (release.sh sets it to the commit's time) the
# same files give the same zip and installer to the byte: every file carries
# that time, entries are sorted, modes fixed, and the zip stores neither
# owners nor the build machine's time zone.
#
# Usage: scripts/windows-package.sh BUILD VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
version=$2
stage=$build/stage/Brimal

prefix=$(sed -n 's/^BRIMAL_WIN64_PREFIX:[A-Z]*=//p' "$build/CMakeCache.txt")
"$here/scripts/windows-licenses.sh" "$stage" "$prefix" "$version"

find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
files=$(cd "$build/stage" && find Brimal -type f | LC_ALL=C sort)

zip_file=$build/Brimal-$version-win64.zip
rm -f "$zip_file"
# Zip keeps local times: in UTC they are the same on every machine.
(cd "$build/stage" && TZ=UTC zip -q -X -D -@ "$zip_file" <<<"$files")

# The uninstaller removes exactly the files installed.
uninstall=$build/stage/files.nsh
sed 's|^Brimal/||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|' <<<"$files" >"$uninstall"

setup=$build/Brimal-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
    -DICON="$build/resources/embedded/MAINICON.ico" -DOUTFILE="$setup" -DFILES="$uninstall" \
    "$here/desktop/windows/installer.nsi"
for f in "$zip_file" "$setup"; do
    echo "   $(du -h "$f" | cut -f1) $f"
done
