#!/bin/sh
# legacy-atlas.sh CLI TESTS
# A data folder with only the legacy atlas QKT.ATL: the reading commands (atlas find,
# atlas list, predict) read it into memory, as the window and atlas add import it, and
# write nothing; with QKT.ATL unreadable (a folder in its place, made here) atlas add
# is refused with the file and the reason and creates no Hopscope.ATL that would hide
# the legacy atlas for good, and once it can be read the add goes to its places.
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
tests=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/hopscope-legacy-XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
fail=0
failed() {
    echo "FAILED: $1"
    fail=1
}

cp "$tests/cli/data/legacy-atlas/QKT.ATL" "$work/QKT.ATL"
data="--data-dir $work"
"$cli" atlas find 0ZZ $data 2>&1 | grep -q "^Name: *Legacy Place$" ||
    failed "atlas find does not read QKT.ATL"
[ "$("$cli" atlas list $data 2>&1 | tr -s ' ')" = "$(printf ' 0ZZ Legacy Place \n K9LEG Legacy Two ')" ] ||
    failed "atlas list does not list QKT.ATL: $("$cli" atlas list $data 2>&1 | head -3)"
"$cli" predict --a 0ZZ --b K9LEG --solar S100 --date 2026-03-15 --path short $data 2>&1 |
    grep -q "TERMINAL A: 47.37 N   8.55 W  Legacy Place" ||
    failed "predict --a does not read QKT.ATL"
[ "$(ls -A "$work")" = "QKT.ATL" ] || failed "a reading command wrote: $(ls -A "$work")"

# The legacy atlas cannot be read: the add is refused, nothing is written.
mv "$work/QKT.ATL" "$work/legacy.bin"
mkdir "$work/QKT.ATL"
"$cli" atlas add --prefix 0NEW --lat 1 --lon 2 --name New $data >"$work/out" 2>"$work/err"
status=$?
[ $status = 1 ] || failed "atlas add with QKT.ATL unreadable exited $status"
grep -q "$work/QKT.ATL cannot be read (Is a directory)" "$work/err" ||
    failed "the refusal does not name QKT.ATL and the reason: $(cat "$work/err")"
[ ! -e "$work/Hopscope.ATL" ] || failed "Hopscope.ATL was created from the built-in places"

# Readable again: the add goes to the legacy atlas's places.
rmdir "$work/QKT.ATL"
mv "$work/legacy.bin" "$work/QKT.ATL"
"$cli" atlas add --prefix 0NEW --lat 1 --lon 2 --name New $data >/dev/null 2>&1 ||
    failed "atlas add with QKT.ATL readable failed"
[ "$("$cli" atlas list $data 2>&1 | awk '{print $1}' | tr '\n' ' ')" = "0NEW 0ZZ K9LEG " ] ||
    failed "the added atlas is not the legacy one: $("$cli" atlas list $data 2>&1 | head -5)"
exit $fail
