#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, asking
# apt only for what is missing so that a machine that has everything needs no
# network, then configures the build folder given as $1 with the remaining
# arguments.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev libsdl2-dev libsdl2-mixer-dev libgtest-dev
          libbenchmark-dev xvfb xauth xdotool imagemagick fonts-ipafont-gothic xdg-utils
          openbox x11-utils clang-format desktop-file-utils appstream man-db dpkg-dev lintian
          qt6-translations-l10n qt6-l10n-tools qt6-tools-dev pkgconf libxcb1-dev pulseaudio pulseaudio-utils sox
          at-spi2-core dbus python3-gi gir1.2-atspi-2.0)

# With clang present, test.sh also builds the fuzz targets: they need
# libFuzzer and the sanitizer runtimes of clang's own version.
if dpkg -s clang >/dev/null 2>&1; then
    packages+=(libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

build_dir=$1
shift
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
