#!/usr/bin/env bash
# Checks that every C++ source of the product, its tests and benchmarks is in
# the committed .clang-format style; lists the files that are not. To mend
# them: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -v '^build')
if ! report=$(clang-format --dry-run --Werror "${sources[@]}" 2>&1); then
    grep -E '^[^ ].*: (error|warning):' <<<"$report" | cut -d: -f1 | sort -u |
        sed 's/^/not formatted: /' >&2
    exit 1
fi
echo "${#sources[@]} files formatted"
