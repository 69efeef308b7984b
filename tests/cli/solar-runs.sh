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
check json '^\{"solar": "F150.6", "k": "", "basis": "monthly", "date": "2026-03", "kp_time": null, "fetched": "20[0-9-]+T[0-9:]+Z", "summary": "Smoothed flux of March 2026 \(148.9 at 1 AU\), fetched just now", "source": "Smoothed flux of March 2026 \(148.9 at 1 AU\)", "engines": \{"classic": "F150.6", "p533": "F150.6"\}, "notes": \[\]\}$' "$out"
check json-status '^exit=0$' "$out"

out=$("$cli" solar --date 2041-03-05 --data-dir "$work" 2>"$work/err"; echo "exit=$?")
check none-status '^exit=1$' "$out"
check none-quiet '^exit=1$' "$(printf '%s' "$out" | head -n 1)"
check none-message '^hopscope-cli solar: No solar data for March 2041$' "$(cat "$work/err")"

out=$("$cli" predict --a W1 --b G --date 2027-06-01 --solar auto --data-dir "$work" 2>&1)
check predict 'using F128.3 and the average K index \(Predicted flux of June 2027 \(131.9 at 1 AU\)' "$out"
check predict-report 'SSN: [ 0-9.]+ Flux: 128.3  K: Average' "$out"
# The P.533 maps take the original sunspot scale: the fetched flux converts to it.
out=$("$cli" predict --engine p533 --a W1 --b G --date 2027-06-01 --solar auto --freqs 14.1 \
    --data-dir "$work" 2>&1)
check predict-p533 'R12 [0-9]+\.[0-9] \(F128\.3, fetched\)' "$out"

out=$("$cli" freqmap --a-lat 50 --a-lon -10 --date 2026-09-10 --utc 1200 --solar auto --k 2 \
    --data-dir "$work" 2>&1; echo "exit=$?")
check freqmap 'using F150.2 and the average K index \(Monthly mean flux of September 2026' "$out"
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
check batch 'Flux: 150.6' "$out"
check batch-status 'exit=0' "$out"

# Without a copy and without a server: the message, status 1, nothing on standard output.
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_DEAD_URL
mkdir "$work/empty"
out=$("$cli" solar --date 2026-03-15 --data-dir "$work/empty" 2>"$work/err"; echo "exit=$?")
check dead-status '^exit=1$' "$out"
check dead-message 'The solar data server could not be reached \(cannot reach 127.0.0.1.*no copy of its files is kept in the data folder, so there is no figure for March 2026$' "$(cat "$work/err")"
# With the copies of the runs above the figure is still given, with what went wrong.
out=$("$cli" solar --date 2026-03-15 --refresh --data-dir "$work" 2>&1; echo "exit=$?")
check dead-cached 'Solar index:  F150.6' "$out"
check dead-cached-note 'could not be fetched: cannot reach .*the copy fetched just now is used' "$out"

# coverage takes --solar auto as planner and predict do.
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_TEST_BASE/good
out=$("$cli" coverage --a-lat 50 --a-lon -10 --date 2026-09-10 --utc 1200 --solar auto --k 2 \
    --freq 14.1 --grid 10 --format csv --data-dir "$work" 2>&1; echo "exit=$?")
check coverage 'using F150.2 and the average K index \(Monthly mean flux of September 2026' "$out"
check coverage-rows '^1200,' "$out"
check coverage-status 'exit=0' "$out"

# A daily flux the server fails to give: the month's figure comes with the reason
# (standard error and the JSON's notes), not silently.
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_TEST_BASE/daily-status500
mkdir "$work/failing"
today=$(date -u +%Y-%m-%d)
out=$("$cli" solar --date "$today" --format json --data-dir "$work/failing" 2>"$work/err"; echo "exit=$?")
check daily-failure-notes '"notes": \["the daily solar flux could not be fetched: 127.0.0.1:[0-9]+ answered HTTP 500"' "$out"
check daily-failure-status 'exit=0' "$out"
check daily-failure-stderr '^hopscope-cli solar: the daily solar flux could not be fetched: .*HTTP 500$' "$(cat "$work/err")"
out=$("$cli" predict --a W1 --b G --date "$today" --solar auto --data-dir "$work/failing" 2>&1)
check daily-failure-predict 'using F[0-9.]+ and .*\(the daily solar flux could not be fetched: .*HTTP 500\)' "$out"

# A batch of fifteen rows against a failing server asks for each file once.
python3 -c '
import sys
data = bytearray(open(sys.argv[1], "rb").read()[:293])
data[25] = 0
rows = bytearray()
for i in range(15):
    row = bytearray(data)
    row[17:25] = b"11-%02d-26" % (i + 10)
    rows += row
open(sys.argv[2], "wb").write(rows)' "$table" "$work/fifteen.hbt"
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_TEST_BASE/status500
mkdir "$work/batch"
before=$(python3 -c 'import sys, urllib.request; print(urllib.request.urlopen(sys.argv[1]).read().decode())' "$HOPSCOPE_SOLAR_TEST_BASE/requests")
out=$("$cli" batch run "$work/fifteen.hbt" --solar auto --data-dir "$work/batch" --date-order mdy \
    --date-separator - --default-lat "51 30 N" --default-lon "0 7 W" 2>&1; echo "exit=$?")
after=$(python3 -c 'import sys, urllib.request; print(urllib.request.urlopen(sys.argv[1]).read().decode())' "$HOPSCOPE_SOLAR_TEST_BASE/requests")
check batch-rows-refused 'row 15: No solar data for November 2026' "$out"
check batch-fetches-once "^[1-5]\$" "$((after - before))"

# Credentials in the server's address are never shown; escape sequences are "?".
HOPSCOPE_SOLAR_URL=$(printf '%s' "$HOPSCOPE_SOLAR_TEST_BASE" | sed 's|://|://ham:s3cretPass@|')/status500
out=$("$cli" solar --date 2026-03-15 --data-dir "$work/batch" 2>&1)
check no-credentials 'answered HTTP 500' "$out"
if printf '%s' "$out" | grep -q s3cret; then echo "credentials shown: $out"; fail=1; fi
HOPSCOPE_SOLAR_URL=$(printf 'http://ham:pw@127.0.0.1\033[2J\007:1')
out=$("$cli" solar --date 2026-03-15 --data-dir "$work/batch" 2>&1)
if printf '%s' "$out" | grep -q "$(printf '\033')"; then echo "escape shown: $out"; fail=1; fi
check escape-as-question-mark '127\.0\.0\.1\?\[2J\?' "$out"

# A FIFO in place of a copy or of the preferences never holds the command up.
mkdir "$work/fifo"
mkfifo "$work/fifo/Solar-observed-months.json" "$work/fifo/Hopscope-solar.cfg"
HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_TEST_BASE/good
out=$(timeout 60 "$cli" solar --date 2026-03-15 --data-dir "$work/fifo" 2>&1; echo "exit=$?")
check fifo 'Solar index:  F150.6' "$out"
check fifo-status 'exit=0' "$out"
[ -p "$work/fifo/Hopscope-solar.cfg" ] || { echo "the preferences FIFO was touched"; fail=1; }
[ -f "$work/fifo/Solar-observed-months.json" ] || { echo "the copy is not a regular file"; fail=1; }
exit $fail
