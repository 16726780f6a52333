#!/usr/bin/env bash
# Makes the Windows products from BUILD/stage/Brimal (scripts/windows-deploy.sh):
# BUILD/Brimal-VERSION-win64.zip and the installer BUILD/Brimal-VERSION-setup.exe.
#
# Usage: scripts/windows-package.sh BUILD VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
version=$2

zip_file=$build/Brimal-$version-win64.zip
rm -f "$zip_file"
(cd "$build/stage" && zip -q -r -X "$zip_file" Brimal)

# The uninstaller removes exactly the files installed.
files=$build/stage/files.nsh
(cd "$build/stage/Brimal" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|') >"$files"

setup=$build/Brimal-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$build/stage/Brimal" \
    -DICON="$build/resources/embedded/MAINICON.ico" -DOUTFILE="$setup" -DFILES="$files" \
    "$here/desktop/windows/installer.nsi"
for f in "$zip_file" "$setup"; do
    echo "   $(du -h "$f" | cut -f1) $f"
done
