#!/usr/bin/env bash
# Builds the game for 64-bit Windows on this Debian machine and proves it
# under Wine. Installs what is missing, builds Qt, SDL2, SDL2_mixer and
# GoogleTest from Debian's sources once into a cache (scripts/windows-deps.sh),
# cross-builds the game, runs its Windows tests under Wine, and leaves in
# build-win64/:
#   Brimal.exe with the DLLs and plug-ins it needs beside it, runnable in place;
#   Brimal-<version>-win64.zip, that folder to unpack and play;
#   Brimal-<version>-setup.exe, the installer.
# Then installs the game silently into a fresh Wine prefix under Xvfb, plays
# it, and uninstalls it (tests/windows/installed_program.sh).
#
#   ./windows.sh            everything
#   ./windows.sh --no-play  without the installed program's runs under Xvfb
#                           (installed_program.sh, wine_desktop.sh, wine_sound.sh)
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
play=1
[ "${1:-}" = "--no-play" ] && play=""

jobs=$(nproc)
started=$SECONDS

echo "== libraries for Windows (built once into a cache)"
prefix=$(scripts/windows-deps.sh | tail -n 1)
export BRIMAL_WIN64_PREFIX=$prefix
echo "   $prefix"

# The generators of the cell images, clips and icon run during the build, so
# they are built for this machine first.
echo "== generators for this machine"
scripts/setup.sh build-win64/host-tools -DCMAKE_BUILD_TYPE=Release
cmake --build build-win64/host-tools -j "$jobs" --target brimal_MakeCells brimal_MakeClips \
    brimal_MakeIcon >/dev/null

echo "== cross-building the game"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
scripts/windows-configure.sh build-win64 "$prefix" "$root/build-win64/host-tools/resources" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" "${launcher[@]}"
if ! cmake --build build-win64 -j "$jobs" >build-win64/build.log 2>&1; then
    grep -B 5 -A 20 "error" build-win64/build.log | head -n 80
    echo "the cross build failed; its log is build-win64/build.log"
    exit 1
fi
grep -A 3 "warning:" build-win64/build.log || true

scripts/windows-deploy.sh build-win64 "$prefix"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=\([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' build-win64/CMakeCache.txt)
echo "== the zip and the installer"
scripts/windows-package.sh build-win64 "$version"

# The test programs run under Wine in a prefix of their own, the store's
# against its registry; the installed program's run (a test of its own in the
# same ctest run) makes a fresh prefix for itself.
echo "== Windows tests under Wine"
export WINEPREFIX=$root/build-win64/wine-tests WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
export BRIMAL_TEST_REGISTRY=1
exclude=()
[ -n "$play" ] || exclude=(-E 'windows_installed_program|windows_wine_')
echo "windows.sh: built in $((SECONDS - started)) s"
status=0
ctest --test-dir build-win64 --output-on-failure "${exclude[@]}" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
