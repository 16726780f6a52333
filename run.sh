#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from the folder that
# holds its help file.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
cmake --build build -j "$(nproc)"
cd build
exec ./Brimal "$@"
