#!/bin/sh
# expect-refusal.sh STATUS PATTERN COMMAND [ARG...]
# Runs the command and passes when it exits with STATUS, its standard error matches
# the extended regular expression PATTERN, and it wrote nothing to standard output.
status=$1
pattern=$2
shift 2
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
"$@" >"$out" 2>"$err"
got=$?
fail=0
if [ "$got" -ne "$status" ]; then
    echo "exit status $got, expected $status"
    fail=1
fi
if ! grep -Eq -- "$pattern" "$err"; then
    echo "standard error does not match: $pattern"
    fail=1
fi
if [ -s "$out" ]; then
    echo "a refusal wrote to standard output:"
    cat "$out"
    fail=1
fi
if [ "$fail" -ne 0 ]; then
    echo "standard error was:"
    cat "$err"
fi
exit "$fail"
