#!/usr/bin/env bash
# Installs what cross-building for 64-bit Windows needs and builds, once, the
# libraries the game links (Qt's base, SDL2, SDL2_mixer, GoogleTest) from
# Debian's own sources of the versions the Linux build uses, into a cache
# outside the work tree. Prints the cache's prefix as its last line.
#
# BRIMAL_WIN64_CACHE overrides the cache's parent folder (default
# ~/.cache/brimal). A library whose stamp file exists is not built again.
# With --cached it installs and builds nothing: it prints the prefix when every
# library is in the cache and fails otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cached_only=""
[ "${1:-}" = "--cached" ] && cached_only=1

qt_version=6.4.2
sdl_version=2.26.5
mixer_version=2.6.2
gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null | sed 's/-.*//') || true
# The recipe's own revision, part of the cache's name: a change to how the
# libraries are built (a Qt feature switched on, a compiler flag) raises it,
# so that a machine holding libraries of the old recipe builds them anew.
# r2: Qt's accessibility (UI Automation) on; the cache's source and build
# paths mapped out of the libraries.
recipe=r2

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

if [ -n "$cached_only" ]; then
    [ -n "$gtest_version" ] || exit 1
    prefix=${BRIMAL_WIN64_CACHE:-$HOME/.cache/brimal}/win64-qt$qt_version-sdl$sdl_version-mixer$mixer_version-gtest$gtest_version-$recipe
    for library in sdl2 sdl2-mixer googletest qtbase; do
        [ -f "$prefix/.stamp-$library" ] || exit 1
    done
    command -v x86_64-w64-mingw32-g++-posix wine makensis >/dev/null || exit 1
    echo "$prefix"
    exit 0
fi

# Packages: the cross compiler, Wine, NSIS, the host's own Qt tools (moc, rcc,
# uic) of the same version, and what unpacks Debian source packages.
packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis dpkg-dev cmake ninja-build
          perl qt6-base-dev qt6-base-dev-tools qt6-translations-l10n googletest zip unzip
          xvfb xauth xdotool imagemagick fonts-ipafont-gothic)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
[ -n "$gtest_version" ] || gtest_version=$(dpkg-query -W -f='${Version}' googletest | sed 's/-.*//')

cache_root=${BRIMAL_WIN64_CACHE:-$HOME/.cache/brimal}
prefix=$cache_root/win64-qt$qt_version-sdl$sdl_version-mixer$mixer_version-gtest$gtest_version-$recipe
src=$cache_root/src
mkdir -p "$prefix" "$src"
toolchain=$here/cmake/mingw-w64.cmake
jobs=$(nproc)

# Debian's source packages need a deb-src entry; add one for the archive the
# machine already uses when there is none.
fetch_source() { # package upstream-version
    local pkg=$1 version=$2
    if ! ls -d "$src/$pkg-$version"* >/dev/null 2>&1; then
        if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
            echo "Adding a deb-src entry for the Debian archive" >&2
            printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
                $sudo tee /etc/apt/sources.list.d/brimal-deb-src.sources >/dev/null
            $sudo apt-get update -qq >/dev/null
        fi
        (cd "$src" && apt-get source -qq "$pkg" >/dev/null 2>&1)
    fi
    local dir
    dir=$(ls -d "$src/$pkg-$version"* 2>/dev/null | grep -v '\.' | head -n 1 || true)
    [ -n "$dir" ] || dir=$(find "$src" -maxdepth 1 -type d -name "$pkg-$version*" | head -n 1)
    if [ -z "$dir" ]; then
        echo "Debian's source of $pkg is not version $version" >&2
        exit 1
    fi
    echo "$dir"
}

cross_cmake() { # source-dir build-dir cmake-arguments...
    local source=$1 build=$2
    shift 2
    # No path of this machine lands in a library: the cache's folders are
    # mapped to fixed names in the debugging information and in __FILE__.
    local map="-ffile-prefix-map=$source=/src/$(basename "$source") -ffile-prefix-map=$build=/build/$(basename "$build") -ffile-prefix-map=$prefix=/prefix"
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DBRIMAL_WIN64_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@" >"$build.log" 2>&1 ||
        { tail -n 40 "$build.log" >&2; exit 1; }
    cmake --build "$build" -j "$jobs" >>"$build.log" 2>&1 || { tail -n 60 "$build.log" >&2; exit 1; }
    cmake --install "$build" >>"$build.log" 2>&1 || { tail -n 20 "$build.log" >&2; exit 1; }
}

built() { [ -f "$prefix/.stamp-$1" ]; }
stamp() { touch "$prefix/.stamp-$1"; echo "built $1 in $prefix" >&2; }

if ! built sdl2; then
    dir=$(fetch_source libsdl2 "$sdl_version")
    cross_cmake "$dir" "$src/build-sdl2" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
    stamp sdl2
fi

if ! built sdl2-mixer; then
    dir=$(fetch_source libsdl2-mixer "$mixer_version")
    cross_cmake "$dir" "$src/build-mixer" -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
        -DSDL2MIXER_CMD=OFF -DSDL2MIXER_WAVE=ON -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
        -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF
    stamp sdl2-mixer
fi

if ! built googletest; then
    cross_cmake /usr/src/googletest "$src/build-googletest" -DBUILD_SHARED_LIBS=OFF \
        -DBUILD_GMOCK=ON
    stamp googletest
fi

# Qt's base with what the game uses: Core, Gui, Widgets, the Windows platform
# plug-in and style, and the ICO reader for the icon. The host's Qt tools of
# the same version run the code generators. Accessibility stays on: Qt's
# Windows platform then serves UI Automation, which screen readers read. The
# system's own font engine draws the text, so FreeType is left out; so are
# Qt's test library and the text document formats the game never reads.
if ! built qtbase; then
    dir=$(fetch_source qt6-base "$qt_version")
    qt_off=(tabletevent network sql xml dbus opengl dynamicgl printsupport
            concurrent vulkan jpeg gif testlib freetype textodfwriter textmarkdownreader
            textmarkdownwriter system_zlib system_pcre2 system_harfbuzz system_libpng
            system_doubleconversion)
    args=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
          -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
          -DQT_BUILD_BENCHMARKS=OFF)
    for f in "${qt_off[@]}"; do args+=("-DFEATURE_$f=OFF"); done
    cross_cmake "$dir" "$src/build-qtbase" "${args[@]}"
    stamp qtbase
fi

# Qt's own Japanese texts come as data in Debian's binary package.
if [ ! -f "$prefix/translations/qtbase_ja.qm" ]; then
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
fi

echo "$prefix"
