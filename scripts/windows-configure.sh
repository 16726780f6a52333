#!/usr/bin/env bash
# Configures the cross build of the game for 64-bit Windows in BUILD from the
# sources this script belongs to, against the libraries in PREFIX
# (scripts/windows-deps.sh), with the generators of the cell images, clips and
# icon built for this machine in HOST-TOOLS. Further arguments go to cmake.
#
# Usage: scripts/windows-configure.sh BUILD PREFIX HOST-TOOLS [CMAKE-ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
prefix=$2
host_tools=$3
shift 3
# -O2 as on Linux: at -O3 the cross compiler (GCC 12) warns falsely of
# overlapping copies inside std::string.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DBRIMAL_WIN64_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBRIMAL_HOST_TOOLS="$host_tools" "$@" >/dev/null
