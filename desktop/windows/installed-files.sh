#!/usr/bin/env bash
# Run by the installer script while it is compiled: writes OUT, one NSIS line
# per file of the staged program folder STAGE, each adding the file's path
# (relative to the folder, with backslashes) to the install log open as $0.
#
# Usage: installed-files.sh STAGE OUT
set -euo pipefail
cd "$1"
find . -type f | LC_ALL=C sort |
    sed 's|^\./||; s|/|\\|g; s|\$|$$|g; s|.*|    FileWrite $0 "&$\\r$\\n"|' >"$2"
