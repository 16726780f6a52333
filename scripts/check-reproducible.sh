#!/usr/bin/env bash
# Builds the release of the committed HEAD twice and compares the checksums:
# every download must come out the same to the byte. The first build runs in
# a clone as the caller, with the caller's environment (ccache too, where it
# is set up); the second, later, in a clone at another path, as the user
# nobody with a home of its own, umask 077, another time zone and language,
# and without ccache. Two whole release builds take a while, so ./test.sh
# does not run this. The Windows libraries must be in the cache
# (./windows.sh builds them once); the second build reads a copy of them,
# since nobody cannot read root's home.
#
# Usage: scripts/check-reproducible.sh [WORK-FOLDER]
# WORK-FOLDER (default: a new folder under /tmp) keeps both clones and their
# dist/; where the builds differ, diffoscope's report of each difference is
# written there too.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$here" rev-parse HEAD)
work=${1:-$(mktemp -d /tmp/brimal-reproducible.XXXXXX)}
mkdir -p "$work"
chmod 755 "$work"
started=$SECONDS

prefix=$("$here/scripts/windows-deps.sh" --cached) || {
    echo "check-reproducible.sh: the Windows libraries are not in the cache; run ./windows.sh first" >&2
    exit 1
}

clone() { # folder
    rm -rf "$1"
    mkdir -p "$(dirname "$1")"
    git clone --quiet --no-checkout "$here" "$1"
    git -C "$1" checkout --quiet --detach "$commit"
}

echo "== first build: $work/first/brimal, as $(id -un), umask $(umask)"
clone "$work/first/brimal"
first_started=$SECONDS
(cd "$work/first/brimal" && ./release.sh) >"$work/first.log" 2>&1 ||
    { tail -n 30 "$work/first.log"; echo "check-reproducible.sh: the first build failed ($work/first.log)"; exit 1; }
echo "   $((SECONDS - first_started)) s"

user=nobody
group=$(id -gn "$user")
second=$work/second/another/path/brimal
echo "== second build: $second, as $user, umask 077, TZ=Pacific/Kiritimati, LANG=ja_JP.UTF-8, no ccache"
clone "$second"
cache=$work/second/cache
rm -rf "$cache"
mkdir -p "$cache/src"
cp -a "$prefix" "$cache/"
# The licences come from the Debian source trees beside the libraries.
for tree in "$(dirname "$prefix")"/src/*/debian; do
    mkdir -p "$cache/src/$(basename "$(dirname "$tree")")"
    cp -a "$tree" "$cache/src/$(basename "$(dirname "$tree")")/"
done
mkdir -p "$work/second/home"
chown -R "$user:$group" "$work/second"
second_started=$SECONDS
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME="$work/second/home" \
    USER=$user LOGNAME=$user TZ=Pacific/Kiritimati LANG=ja_JP.UTF-8 CCACHE_DISABLE=1 \
    BRIMAL_WIN64_CACHE="$cache" \
    setpriv --reuid="$user" --regid="$group" --clear-groups \
    bash -c 'umask 077 && cd "$1" && ./release.sh' bash "$second" >"$work/second.log" 2>&1 ||
    { tail -n 30 "$work/second.log"; echo "check-reproducible.sh: the second build failed ($work/second.log)"; exit 1; }
echo "   $((SECONDS - second_started)) s"

(cd "$work/first/brimal/dist" && sha256sum --quiet -c SHA256SUMS) ||
    { echo "check-reproducible.sh: the first build's SHA256SUMS do not match its files"; exit 1; }
status=0
while read -r sum name; do
    if grep -qxF "$sum  $name" "$second/dist/SHA256SUMS"; then
        echo "identical: $name"
    else
        echo "DIFFERENT: $name"
        status=1
        if command -v diffoscope >/dev/null; then
            timeout 900 diffoscope --text "$work/diffoscope-$name.txt" \
                "$work/first/brimal/dist/$name" "$second/dist/$name" >/dev/null 2>&1 || true
            echo "   diffoscope: $work/diffoscope-$name.txt"
        fi
    fi
done <"$work/first/brimal/dist/SHA256SUMS"
cmp -s "$work/first/brimal/dist/SHA256SUMS" "$second/dist/SHA256SUMS" || status=1
echo "check-reproducible.sh: $( [ $status -eq 0 ] && echo "the two builds are identical" ||
    echo "the two builds differ") ($((SECONDS - started)) s; both kept in $work)"
exit $status
