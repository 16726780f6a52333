#!/usr/bin/env bash
# Runs the soak under an X server of its own with the default settings (see
# tests/support/own_x.sh); the arguments go to the soak.
#
# Usage: bench/soak/brimal_soak.sh path/to/brimal_soak [--seconds N] [--no-player] ...
set -euo pipefail
soak=$(realpath "$1")
shift
exec "$(dirname "$0")/../../tests/support/own_x.sh" "$soak" "$@"
