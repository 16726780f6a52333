#!/usr/bin/env bash
# Puts beside the cross-built Brimal.exe in BUILD everything it needs that a
# Windows system does not have: Qt's libraries, the Windows platform plug-in
# and style, the ICO reader, Qt's Japanese texts, SDL2 and SDL2_mixer, and the
# compiler's runtime. Then BUILD/stage/Brimal holds exactly the program's
# files, for the zip and the installer.
#
# Usage: scripts/windows-deploy.sh BUILD PREFIX
set -euo pipefail
build=$1
prefix=$2

runtime=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
         /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
         /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
libraries=("$prefix"/bin/Qt6Core.dll "$prefix"/bin/Qt6Gui.dll "$prefix"/bin/Qt6Widgets.dll
           "$prefix"/bin/SDL2.dll "$prefix"/bin/SDL2_mixer.dll "${runtime[@]}")
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll)

files=(Brimal.exe Brimal.txt Brimal.en.txt)
for f in "${libraries[@]}"; do
    cp -u "$f" "$build/"
    files+=("$(basename "$f")")
done
for p in "${plugins[@]}"; do
    mkdir -p "$build/$(dirname "$p")"
    cp -u "$prefix/plugins/$p" "$build/$p"
    files+=("$p")
done
mkdir -p "$build/translations"
cp -u "$prefix/translations/qtbase_ja.qm" "$build/translations/"
files+=(translations/qtbase_ja.qm)

# Qt looks for its plug-ins and texts beside the program through qt.conf.
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$build/qt.conf"
files+=(qt.conf)

stage=$build/stage/Brimal
rm -rf "$build/stage"
mkdir -p "$stage"
for f in "${files[@]}"; do
    mkdir -p "$stage/$(dirname "$f")"
    cp "$build/$f" "$stage/$f"
done
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll
echo "   $(find "$stage" -type f | wc -l) files, $(du -sh "$stage" | cut -f1) in $stage"
