#!/bin/sh
# rebless-golden.sh [CLI [COMPARE-PNG]]
# Rewrites the golden outputs of tests/golden with the current hopscope-cli (default
# build/cli/hopscope-cli; pictures are compared with build/tests/cli/compare-png, so
# a PNG is rewritten only when its pixels change) and summarizes what changed: per
# text file, how many values (numbers and texts between separators) differ from the
# committed version.
# Re-bless only for a deliberate change of results, and give the reason in the
# commit message (see README.md, "Golden outputs").
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/cli/hopscope-cli}
compare_png=${2:-$root/build/tests/cli/compare-png}
"$root/tests/golden/golden.sh" bless "$cli" "$root/tests/golden" "$compare_png" || exit 1
cd "$root" || exit 1
changed=0
for file in $(git status --porcelain -uall -- tests/golden | sed 's/^...//'); do
    changed=$((changed + 1))
    if git cat-file -e "HEAD:$file" 2>/dev/null; then
        case $file in *.png | *.pdf)
            echo "changed: $file (picture)"
            continue
            ;;
        esac
        values=$(git diff --word-diff=porcelain --word-diff-regex='[^] ,:{}"[]+' -- "$file" |
            grep -c '^-[^-]')
        echo "changed: $file ($values values)"
    elif [ -f "$file" ]; then
        echo "new:     $file"
    else
        echo "removed: $file"
    fi
done
echo "$changed golden files changed"
