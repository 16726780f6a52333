#!/usr/bin/env bash
# Puts into the Windows program's folder STAGE the licences of everything it
# ships from other projects: licenses/ with each component's Debian copyright
# file and the full texts of the common licences those files name, and
# THIRD-PARTY.txt, which gives for each component its files, version and
# licence and the Debian source package (name and version) it was built
# from. Everything comes from this machine: the Debian source trees that
# scripts/windows-deps.sh built in the cache beside PREFIX, and the installed
# Debian packages of the compiler's runtime and of Qt's Japanese texts.
#
# Usage: scripts/windows-licenses.sh STAGE PREFIX BRIMAL-VERSION
set -euo pipefail
stage=$1
prefix=$2
brimal_version=$3
sources=$(dirname "$prefix")/src

# The versions built are part of the cache's name (scripts/windows-deps.sh).
cache_name=$(basename "$prefix")
part() { sed -n "s/.*-$1\([0-9][0-9.]*\)\(-.*\)\?\$/\1/p" <<<"$cache_name"; }

licenses=$stage/licenses
rm -rf "$licenses"
mkdir -p "$licenses"
common=()
notice=$stage/THIRD-PARTY.txt
cat >"$notice" <<EOF
Brimal $brimal_version for Windows ships these libraries and data of other projects beside
Brimal.exe. Each was built from, or taken unchanged from, Debian 12's own packages; the
Debian source package named below is the exact source (on Debian 12:
apt-get source NAME=VERSION). scripts/windows-deps.sh in Brimal's source archive of
the same version shows how the libraries were built. The Debian copyright
files in licenses/ refer to common licences by their path on a Debian system
(/usr/share/common-licenses/NAME); their full texts are in licenses/common-licenses/.
EOF

# component NAME VERSION LICENCE COPYRIGHT-FILE SOURCE-PACKAGE SOURCE-VERSION COMMON-LICENCES FILES...
# COMMON-LICENCES names the texts of /usr/share/common-licenses that the
# licence itself needs, besides those the copyright file mentions.
component() {
    local name=$1 version=$2 licence=$3 copyright=$4 source=$5 source_version=$6 named=$7
    shift 7
    local text=licenses/$name.txt
    for n in $named; do
        common+=("/usr/share/common-licenses/$n")
        text+=" licenses/common-licenses/$n.txt"
    done
    [ -s "$copyright" ] || { echo "windows-licenses.sh: no licence text for $name: $copyright" >&2; exit 1; }
    for file in "$@"; do
        [ -f "$stage/$file" ] || { echo "windows-licenses.sh: $name: $file is not shipped" >&2; exit 1; }
    done
    cp "$copyright" "$stage/licenses/$name.txt"
    mapfile -t -O "${#common[@]}" common < <(grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]' "$copyright")
    printf '\n%s %s\n  Files:   %s\n  Licence: %s\n  Texts:   %s\n  Source:  Debian source package %s %s\n' \
        "$name" "$version" "$*" "$licence" "$text" "$source" "$source_version" >>"$notice"
}

# A Debian source tree that scripts/windows-deps.sh unpacked: its copyright
# file and its version.
debian_tree() { # package upstream-version
    local dir
    dir=$(find "$sources" -maxdepth 1 -type d -name "$1-$2*" | LC_ALL=C sort | head -n 1)
    [ -n "$dir" ] && [ -f "$dir/debian/changelog" ] ||
        { echo "windows-licenses.sh: Debian's source of $1 $2 is not in $sources" >&2; exit 1; }
    echo "$dir/debian/copyright"
    dpkg-parsechangelog -l "$dir/debian/changelog" -S Version
}

# An installed Debian binary package that holds FILE: its copyright file, its
# version, and its source package's name and version.
debian_owner() { # file
    local package
    package=$(dpkg -S "$1" | cut -d: -f1)
    echo "/usr/share/doc/$package/copyright"
    dpkg-query -W -f='${Version}\n${source:Package}\n${source:Version}\n' "$package"
}

found=$(debian_tree qt6-base "$(part qt)")
mapfile -t qt <<<"$found"
component Qt "$(part qt)" "LGPL-3.0-only, as Brimal uses it (Qt offers LGPL-3.0 or GPL-2.0 or GPL-3.0); the libraries bundled in Qt's source: see the file" \
    "${qt[0]}" qt6-base "${qt[1]}" "LGPL-3 GPL-3" Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll imageformats/qico.dll

found=$(debian_tree libsdl2 "$(part sdl)")
mapfile -t sdl <<<"$found"
component SDL2 "$(part sdl)" Zlib "${sdl[0]}" libsdl2 "${sdl[1]}" "" SDL2.dll

found=$(debian_tree libsdl2-mixer "$(part mixer)")
mapfile -t mixer <<<"$found"
component SDL2_mixer "$(part mixer)" "Zlib (built with the WAVE decoder only)" "${mixer[0]}" \
    libsdl2-mixer "${mixer[1]}" "" SDL2_mixer.dll

runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
found=$(debian_owner "$runtime/libstdc++-6.dll")
mapfile -t gcc <<<"$found"
component GCC-runtime "${gcc[1]%%-*}" "GPL-3.0-or-later WITH GCC-exception-3.1 (the GCC Runtime Library Exception)" \
    "${gcc[0]}" "${gcc[2]}" "${gcc[3]}" GPL-3 libstdc++-6.dll libgcc_s_seh-1.dll

found=$(debian_owner /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
mapfile -t winpthreads <<<"$found"
component winpthreads "${winpthreads[1]%%-*}" "MIT and BSD-3-Clause (mingw-w64's winpthreads)" \
    "${winpthreads[0]}" "${winpthreads[2]}" "${winpthreads[3]}" "" libwinpthread-1.dll

found=$(debian_owner /usr/share/qt6/translations/qtbase_ja.qm)
mapfile -t texts <<<"$found"
component Qt-translations "${texts[1]%%-*}" "GPL-3.0-only WITH Qt-GPL-exception-1.0 (Qt's Japanese texts)" \
    "${texts[0]}" "${texts[2]}" "${texts[3]}" GPL-3 translations/qtbase_ja.qm

mkdir -p "$licenses/common-licenses"
for path in $(printf '%s\n' "${common[@]}" | LC_ALL=C sort -u); do
    [ -f "$path" ] || { echo "windows-licenses.sh: $path is named but not on this machine" >&2; exit 1; }
    cp -L "$path" "$licenses/common-licenses/$(basename "$path").txt"
done
