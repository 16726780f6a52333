#!/usr/bin/env bash
# Checks that the Windows zip carries the licence of every library it ships:
# each DLL and each of Qt's text files (.qm) stands on the Files: line of a
# component in Brimal/THIRD-PARTY.txt, that component names its version,
# licence and Debian source package, and every licence text it lists is in
# the zip and not empty.
#
# Usage: check_licenses.sh ZIP
set -euo pipefail
zip=$1
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"

entries=$(unzip -Z1 "$zip") || fail "$zip cannot be read"
notice=$(unzip -p "$zip" Brimal/THIRD-PARTY.txt) || fail "$zip holds no Brimal/THIRD-PARTY.txt"

# One line per component: "NAME VERSION|FILES|LICENCE|TEXTS|SOURCE".
components=$(awk '
    /^[^ ]/ && NF == 2 { if (name) print name "|" files "|" licence "|" texts "|" source
                         name = $0; files = licence = texts = source = "" }
    /^  Files:/   { sub(/^  Files: +/, ""); files = $0 }
    /^  Licence:/ { sub(/^  Licence: +/, ""); licence = $0 }
    /^  Texts:/   { sub(/^  Texts: +/, ""); texts = $0 }
    /^  Source:/  { sub(/^  Source: +/, ""); source = $0 }
    END { if (name) print name "|" files "|" licence "|" texts "|" source }' <<<"$notice")

shipped=$(grep -E '\.(dll|qm)$' <<<"$entries") || fail "$zip ships no DLL"
checked=0
while read -r entry; do
    file=${entry#Brimal/}
    line=$(awk -F'|' -v f="$file" '{ n = split($2, a, " "); for (i = 1; i <= n; i++) if (a[i] == f) print }' \
        <<<"$components")
    [ -n "$line" ] || fail "THIRD-PARTY.txt names no licence for $file"
    IFS='|' read -r name _ licence texts source <<<"$line"
    [[ $name =~ ^[^\ ]+\ [0-9] ]] || fail "$file: the component '$name' has no version"
    [ -n "$licence" ] || fail "$file: $name names no licence"
    [[ $source =~ ^Debian\ source\ package\ [a-z0-9.+-]+\ [0-9] ]] ||
        fail "$file: $name names no Debian source package and version: '$source'"
    [ -n "$texts" ] || fail "$file: $name lists no licence text"
    for text in $texts; do
        grep -qxF "Brimal/$text" <<<"$entries" || fail "$file: $name's licence $text is not in the zip"
        [ "$(unzip -p "$zip" "Brimal/$text" | wc -c)" -gt 0 ] || fail "$file: $text is empty"
    done
    checked=$((checked + 1))
done <<<"$shipped"
echo "$checked libraries and texts in $(basename "$zip"), each with its licence"
