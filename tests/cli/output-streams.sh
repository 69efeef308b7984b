#!/bin/sh
# output-streams.sh CLI TESTS
# --out naming a stream: "/dev/stdout >> app.log" keeps the log's old lines; map,
# freqmap, coverage, graph and batch write every byte into a pipe through /dev/stdout
# and "-"; batch run --append writes into a character device (a copy of the null device
# made here, when this user may make one). Every run names its date; the data folder
# is an empty one of its own and must stay empty.
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
tests=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/hopscope-streams-XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
# Anything a command writes where it should not lands in the scratch folder.
cd "$work" || exit 1
mkdir "$work/data"
data="--data-dir $work/data"
fail=0

failed() {
    echo "FAILED: $1"
    fail=1
}

# Runs the command into a pipe: the bytes the pipe got go to $work/piped, its exit
# status to $work/status.
piped() {
    { "$cli" "$@" 2>"$work/stderr"; echo $? >"$work/status"; } | cat >"$work/piped"
}

is_png() {
    [ "$(head -c 4 "$1" | od -An -c | tr -d ' ')" = "211PNG" ]
}

coverage="coverage --a-lat 40 --a-lon 75 --date 2026-03-15 --utc 1200 --solar S100 --freq 14.1 --grid 10"

# The shell opened the log for appending: its old line stays, the table follows it.
echo "old line" >"$work/app.log"
# shellcheck disable=SC2086
"$cli" $coverage $data --format csv --out /dev/stdout >>"$work/app.log" ||
    failed "coverage --out /dev/stdout >> app.log exited $?"
[ "$(head -n 1 "$work/app.log")" = "old line" ] || failed "the log lost its old line"
[ "$(sed -n 2p "$work/app.log" | cut -c 1-17)" = "# engine: classic" ] ||
    failed "the CSV table does not follow the log's old line"
[ "$(wc -l <"$work/app.log")" -gt 600 ] || failed "the CSV table is not whole in the log"

for out in /dev/stdout -; do
    # shellcheck disable=SC2086
    piped $coverage $data --format json --out "$out"
    [ "$(cat "$work/status")" = 0 ] && [ "$(head -c 2 "$work/piped")" = '{"' ] ||
        failed "coverage --out $out into a pipe: $(cat "$work/stderr")"
    # shellcheck disable=SC2086
    piped $coverage $data --format png --size 301 --out "$out"
    [ "$(cat "$work/status")" = 0 ] && is_png "$work/piped" ||
        failed "coverage png --out $out into a pipe: $(cat "$work/stderr")"
    piped map rect --centre-lat 51.5 --centre-lon 0.1 $data --out "$out"
    [ "$(cat "$work/status")" = 0 ] && is_png "$work/piped" ||
        failed "map --out $out into a pipe: $(cat "$work/stderr")"
    piped freqmap --a-lat 50 --a-lon -10 --date 2026-12-21 --utc 1200 --solar S100 $data \
        --format csv --out "$out"
    [ "$(cat "$work/status")" = 0 ] && [ "$(head -c 4 "$work/piped")" = "utc," ] ||
        failed "freqmap --out $out into a pipe: $(cat "$work/stderr")"
    piped graph muf --a G --b VK --solar S100 --date 2026-03-15 $data --format svg --out "$out"
    [ "$(cat "$work/status")" = 0 ] && grep -q "<svg" "$work/piped" ||
        failed "graph --out $out into a pipe: $(cat "$work/stderr")"
    piped batch run "$tests/cli/data/two-rows.hbt" $data --out "$out"
    grep -q "TERMINAL A" "$work/piped" ||
        failed "batch run --out $out into a pipe: $(cat "$work/stderr")"
done

# Several pictures need a folder: "-" is refused, and no folder "-" is made.
# shellcheck disable=SC2086
"$cli" $coverage --utc all $data --format png --size 101 --out - >"$work/piped" 2>"$work/stderr"
[ $? = 1 ] && grep -q "several pictures need a folder" "$work/stderr" && [ ! -e "$work/-" ] ||
    failed "coverage --utc all --out - was not refused: $(cat "$work/stderr")"

# A character device takes the appended reports (and stays a device).
if mknod "$work/null" c 1 3 2>/dev/null; then
    "$cli" batch run "$tests/cli/data/two-rows.hbt" $data --append --out "$work/null" \
        2>"$work/stderr"
    status=$?
    [ $status -le 1 ] && ! grep -q "Unable to write" "$work/stderr" ||
        failed "batch run --append --out a device: $(cat "$work/stderr")"
    [ -c "$work/null" ] || failed "the device was replaced"
    "$cli" batch run "$tests/cli/data/two-rows.hbt" $data --out "$work/null" 2>"$work/stderr"
    grep -q "exists" "$work/stderr" && failed "a device was taken for an existing report file"
else
    echo "note: no device node can be made here; the device run was left out"
fi

[ -z "$(ls -A "$work/data")" ] || failed "the data folder was written: $(ls -A "$work/data")"
exit $fail
