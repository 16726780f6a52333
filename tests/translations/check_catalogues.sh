#!/usr/bin/env bash
# Reads the sources' texts into a copy of each catalogue with lupdate, as the
# update_translations target does, and fails when a text has no finished
# translation there: a text added to the sources and not yet translated, a
# translation left unfinished or empty, one still in Japanese script, or one
# that loses a placeholder (%1, %d) or the accelerator mark (&).
#
# Usage: check_catalogues.sh LUPDATE SOURCE-LIST SOURCE-ROOT CATALOGUE.ts...
set -euo pipefail
lupdate=$1
source_list=$2
root=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -I "$root" -locations none -no-obsolete -source-language ja "@$source_list" \
        -ts "$copy"
    python3 - "$copy" "$(basename "$ts")" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET

path, name = sys.argv[1], sys.argv[2]
japanese = re.compile('[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]')
placeholder = re.compile(r'%(?:\d+|d)')
# A language is named in its own script too, so that a player who reads
# neither language finds the choice ("Language (言語)").
own_names = re.compile('言語|日本語')


def text_of(element):
    # A control character is an element of its own (<byte value="xd"/>).
    return ''.join(element.itertext()) if element is not None else ''


faults = []
for context in ET.parse(path).getroot().iter('context'):
    where = context.findtext('name')
    for message in context.iter('message'):
        source = text_of(message.find('source'))
        translation = message.find('translation')
        text = text_of(translation)
        kind = translation.get('type') if translation is not None else None
        if kind in ('vanished', 'obsolete'):
            continue
        problem = None
        if kind == 'unfinished':
            problem = 'not translated' if not text else 'unfinished'
        elif not text.strip():
            problem = 'empty'
        elif japanese.search(own_names.sub('', text)):
            problem = 'still in Japanese script'
        elif sorted(placeholder.findall(source)) != sorted(placeholder.findall(text)):
            problem = 'placeholders differ'
        elif source.count('&') != text.count('&'):
            problem = 'accelerator mark differs'
        if problem:
            faults.append(f'{name}: {where}: {source!r}: {problem}')
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
PY
done
exit "$status"
