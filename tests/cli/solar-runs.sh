#!/bin/sh
# solar-runs.sh HOPSCOPE-CLI BATCH-TABLE
# Runs of "hopscope-cli solar" and of "--solar auto" against the local solar data
# server (run through tests/solar/with-solar-server.sh, which names it in
# HOPSCOPE_SOLAR_TEST_BASE). Passes when every run gives what it should.
cli=$1
table=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
fail=0
check() { # check NAME PATTERN TEXT
    if ! printf '%s\n' "$3" | grep -Eq -- "$2"; then
        echo "$1: expected /$2/ in:"
        printf '%s\n' "$3"
        fail=1
    fi
}
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_TEST_BASE/good
export HOPSCOPE_SOLAR_URL

out=$("$cli" solar --date 2026-03-15 --format json --data-dir "$work" 2>&1; echo "exit=$?")
check json '^\{"solar": "S121.0", "k": "", "basis": "monthly", "date": "2026-03", "kp_time": null, "fetched": "20[0-9-]+T[0-9:]+Z", "summary": "Smoothed sunspot number of March 2026, fetched just now", "notes": \[\]\}$' "$out"
check json-status '^exit=0$' "$out"

out=$("$cli" solar --date 2041-03-05 --data-dir "$work" 2>"$work/err"; echo "exit=$?")
check none-status '^exit=1$' "$out"
check none-quiet '^exit=1$' "$(printf '%s' "$out" | head -n 1)"
check none-message '^hopscope-cli solar: No solar data for March 2041$' "$(cat "$work/err")"

out=$("$cli" predict --a W1 --b G --date 2027-06-01 --solar auto --data-dir "$work" 2>&1)
check predict 'using S88.4 and the average K index \(Predicted sunspot number of June 2027' "$out"
check predict-report 'SSN:  88.4  Flux: 131.4  K: Average' "$out"
# The P.533 maps take the original sunspot scale: a published number times 0.6.
out=$("$cli" predict --engine p533 --a W1 --b G --date 2027-06-01 --solar auto --freqs 14.1 \
    --data-dir "$work" 2>&1)
check predict-p533 'R12 53\.0 \(S88\.4, published\)' "$out"

out=$("$cli" freqmap --a-lat 50 --a-lon -10 --date 2026-09-10 --utc 1200 --solar auto --k 2 \
    --data-dir "$work" 2>&1; echo "exit=$?")
check freqmap 'using S98.7 and the average K index \(Monthly mean sunspot number of September 2026' "$out"
check freqmap-status 'exit=0' "$out"

# Row 1 of the table with its solar cell emptied and its date in March 2026.
python3 -c '
import sys
data = bytearray(open(sys.argv[1], "rb").read())
data[17:25] = b"03-15-26"
data[25] = 0
open(sys.argv[2], "wb").write(data)' "$table" "$work/auto.hbt"
out=$("$cli" batch run "$work/auto.hbt" --solar auto --data-dir "$work" --date-order mdy \
    --date-separator - --default-lat "51 30 N" --default-lon "0 7 W" 2>&1; echo "exit=$?")
check batch 'SSN: 121.0' "$out"
check batch-status 'exit=0' "$out"

# Without a copy and without a server: the message, status 1, nothing on standard output.
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_DEAD_URL
mkdir "$work/empty"
out=$("$cli" solar --date 2026-03-15 --data-dir "$work/empty" 2>"$work/err"; echo "exit=$?")
check dead-status '^exit=1$' "$out"
check dead-message 'No solar data for March 2026 \(the daily solar flux could not be fetched: cannot reach 127.0.0.1' "$(cat "$work/err")"
# With the copies of the runs above the figure is still given, with what went wrong.
out=$("$cli" solar --date 2026-03-15 --refresh --data-dir "$work" 2>&1; echo "exit=$?")
check dead-cached 'Solar index:  S121.0' "$out"
check dead-cached-note 'could not be fetched: cannot reach .*the copy fetched just now is used' "$out"
exit $fail
