#!/usr/bin/env bash
# Builds every download of a release from the committed HEAD, never from the
# work tree, and writes them to dist/:
#   brimal-VERSION.tar.gz          the sources (git archive of HEAD)
#   brimal_VERSION_amd64.deb       the Debian package
#   Brimal-VERSION-win64.zip       the Windows program, to unpack and play
#   Brimal-VERSION-setup.exe       its installer
#   SHA256SUMS                     their checksums, for `sha256sum -c SHA256SUMS`
# The Debian package carries the whole version (1.2.4.0), the Windows files
# the three numbers the program shows (1.2.4), as the builds have always
# named them.
#
# The same commit gives the same bytes, whoever builds it, wherever and
# whenever: every time stamped comes from the commit's time
# (SOURCE_DATE_EPOCH), archives list their entries sorted with fixed owners
# and modes, and no build path lands in a program. The programs are built
# from the source archive itself, unpacked in build-release/. The Windows
# libraries come from the cache that ./windows.sh fills (it builds them once,
# about half an hour).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

if [ -n "$(git status --porcelain)" ]; then
    echo "release.sh: the work tree differs from the committed HEAD; a release is built from" >&2
    echo "committed sources only. Commit or stash these first:" >&2
    git status --short >&2
    exit 1
fi

if ! prefix=$(scripts/windows-deps.sh --cached); then
    echo "release.sh: the Windows libraries are not in the cache; ./windows.sh builds them once" >&2
    echo "(about half an hour on two cores), then run ./release.sh again." >&2
    exit 1
fi

# What the builds take from the machine is fixed here: the time they stamp,
# the time zone, the language and the permissions of new files.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
# ccache may serve compilations, but must not rewrite the compiler's paths:
# with a base folder it passes relative ones, which the build's prefix maps do
# not match, and __FILE__ would then name the build's own layout.
unset CCACHE_BASEDIR

version=$(git show HEAD:CMakeLists.txt | sed -n 's/^project(Brimal VERSION \([0-9.]*\).*/\1/p')
short_version=$(cut -d. -f1-3 <<<"$version")
[ -n "$version" ] || { echo "release.sh: no project version in CMakeLists.txt" >&2; exit 1; }
jobs=$(nproc)
dist=$root/dist
work=$root/build-release
rm -rf "$dist" "$work"
mkdir -p "$dist" "$work"

started=$SECONDS
stage_started=$SECONDS
stage() { # what comes next
    echo "== $1"
    stage_started=$SECONDS
}
done_stage() {
    echo "   $((SECONDS - stage_started)) s"
}

stage "source archive brimal-$version.tar.gz from $(git rev-parse --short HEAD)"
tarball=$dist/brimal-$version.tar.gz
# git archive stamps every entry with the commit's time, root as owner and
# modes from the repository's own bits; the umask is pinned against a user's
# git configuration, and gzip stores no name or time (-n).
git -c tar.umask=0022 archive --format=tar --prefix="brimal-$version/" HEAD | gzip -9 -n >"$tarball"
tar -xzf "$tarball" -C "$work"
src=$work/brimal-$version
done_stage

stage "Debian package brimal_${version}_amd64.deb"
(cd "$src" && scripts/setup.sh "$work/linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMAL_RELEASE=ON \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON)
cmake --build "$work/linux" -j "$jobs" --target Brimal brimal_desktop_files brimal_MakeCells \
    brimal_MakeClips brimal_MakeIcon >"$work/linux.log" 2>&1 ||
    { tail -n 60 "$work/linux.log"; echo "release.sh: the Linux build failed ($work/linux.log)"; exit 1; }
cpack -G DEB --config "$work/linux/CPackConfig.cmake" -B "$work/deb" >"$work/deb.log" 2>&1 ||
    { cat "$work/deb.log"; exit 1; }
mv "$work/deb/brimal_${version}_amd64.deb" "$dist/"
done_stage

stage "Windows program, zip Brimal-$short_version-win64.zip and installer Brimal-$short_version-setup.exe"
# The generators of the cell images, clips and icon come from the Linux build.
"$src/scripts/windows-configure.sh" "$work/win64" "$prefix" "$work/linux/resources" -DBRIMAL_RELEASE=ON
cmake --build "$work/win64" -j "$jobs" --target Brimal >"$work/win64.log" 2>&1 ||
    { tail -n 60 "$work/win64.log"; echo "release.sh: the Windows build failed ($work/win64.log)"; exit 1; }
"$src/scripts/windows-deploy.sh" "$work/win64" "$prefix"
"$src/scripts/windows-package.sh" "$work/win64" "$short_version"
mv "$work/win64/Brimal-$short_version-win64.zip" "$work/win64/Brimal-$short_version-setup.exe" "$dist/"
done_stage

stage "checksums"
(cd "$dist" && sha256sum -- * >SHA256SUMS && cat SHA256SUMS)
done_stage
echo "release.sh: dist/ written in $((SECONDS - started)) s"
