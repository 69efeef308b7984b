#!/bin/sh
# golden.sh check|bless CLI [DIR]
# Runs every request of DIR/requests.txt (DIR defaults to this script's folder)
# with hopscope-cli CLI in a fresh, empty data folder and the C locale.
#   check: compares each output byte for byte with its golden file; fails on any
#          difference, a missing golden file or a golden file no request names.
#   bless: writes each output to its golden file and removes golden files no
#          request names.
set -u
mode=$1
cli=$2
dir=${3:-$(dirname "$0")}
case $mode in check | bless) ;; *)
    echo "usage: golden.sh check|bless CLI [DIR]" >&2
    exit 2
    ;;
esac
[ -x "$cli" ] || { echo "golden.sh: $cli is not a program" >&2; exit 2; }

work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
mkdir "$work/data" "$work/out"
LC_ALL=C
export LC_ALL

failed=0
count=0
while read -r name args; do
    case $name in '' | '#'*) continue ;; esac
    count=$((count + 1))
    echo "$name" >>"$work/names"
    # The arguments are written as a shell would read them (quotes around blanks).
    eval "set -- $args"
    out="$work/out/$name"
    "$cli" "$@" --data-dir "$work/data" >"$out" 2>"$work/err"
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAILED $name: exit status $status: $(cat "$work/err")"
        failed=$((failed + 1))
        continue
    fi
    if [ -n "$(ls -A "$work/data")" ]; then
        echo "FAILED $name: the command wrote into its data folder"
        failed=$((failed + 1))
        continue
    fi
    if [ "$mode" = bless ]; then
        cp "$out" "$dir/$name"
    elif [ ! -f "$dir/$name" ]; then
        echo "MISSING $name"
        failed=$((failed + 1))
    elif ! cmp -s "$out" "$dir/$name"; then
        echo "DIFFERS $name"
        diff "$dir/$name" "$out" | head -n 6
        failed=$((failed + 1))
    fi
done <"$dir/requests.txt"

# Golden files no request names any more.
for file in "$dir"/*.json "$dir"/*.txt; do
    [ -f "$file" ] || continue
    base=$(basename "$file")
    [ "$base" = requests.txt ] && continue
    grep -qxF "$base" "$work/names" && continue
    if [ "$mode" = bless ]; then
        rm "$file"
        echo "REMOVED $base"
    else
        echo "STALE $base (no request names it)"
        failed=$((failed + 1))
    fi
done

echo "golden.sh $mode: $count requests, $failed failed"
[ "$failed" -eq 0 ]
