#!/bin/sh
# Fails when a C++ source of the project differs from what clang-format makes of it.
# Usage: tools/check-format.sh [ROOT] [CLANG_FORMAT]; fix with `clang-format -i FILE`.
root=${1:-.}
format=${2:-clang-format}
cd "$root" || exit 2
# Every C++ file of the tree, in every folder, new ones included; build folders and
# git's own are not the project's sources.
files=$(find . \( -name 'build*' -o -name '.git' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
out=$(echo "$files" | xargs "$format" --dry-run 2>&1 | grep 'warning:')
if [ -n "$out" ]; then
    echo "$out" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    exit 1
fi
echo "all sources formatted"
