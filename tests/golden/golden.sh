#!/bin/sh
# golden.sh check|bless CLI [DIR [COMPARE-PNG]]
# Runs every request of DIR/requests.txt (DIR defaults to this script's folder) with
# hopscope-cli CLI in the C locale, each from a fresh working folder.
#   check: compares each output with its golden file; fails on any difference, a
#          missing golden file or a golden file no request names.
#   bless: writes each output whose golden file is missing or differs, and removes
#          golden files no request names.
#
# A request is a line: the golden file's name, then the arguments of hopscope-cli as a
# shell would read them (quotes around blanks). In the arguments
#   @OUT@    is the file the command writes (give it to --out): that file is the
#            output instead of standard output. When the name ends in "/" the
#            output is a folder the command fills, and every file in it is compared.
#   @TESTS@  is the folder above DIR (the tests), for input files such as batch
#            tables and settings files.
# golden.sh adds "--data-dir data": an empty folder (factory settings, built-in atlas)
# that the command must leave empty. A request may give its own --data-dir instead:
# "scratch" is an empty folder of each request that the command may write into, and
# "--data-dir none" at the end is for a command that takes no data folder (batch show).
#
# In standard output the paths of the working folder and of the tests read @WORK@ and
# @TESTS@, so that a command that names its data folder gives the same text anywhere,
# and the time a solar file was fetched reads @FETCHED@ (also in a report's "Solar data"
# line).
#
# A request that fetches solar data ("solar", or "--solar auto") runs beside the local
# server of tests/solar (with-solar-server.sh), which serves the recorded files of
# tests/solar/data/good: the golden files never need the Internet.
# Outputs are compared by kind: .png pictures by their decoded pixels (COMPARE-PNG,
# the compare-png tool), .pdf files without their /CreationDate line, the rest byte
# for byte.
set -u
mode=$1
cli=$2
dir=${3:-$(dirname "$0")}
compare_png=${4:-}
case $mode in check | bless) ;; *)
    echo "usage: golden.sh check|bless CLI [DIR [COMPARE-PNG]]" >&2
    exit 2
    ;;
esac
[ -x "$cli" ] || { echo "golden.sh: $cli is not a program" >&2; exit 2; }
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")
dir=$(cd "$dir" && pwd) || exit 2
solar_server=$dir/../solar/with-solar-server.sh
[ -z "$compare_png" ] || compare_png=$(cd "$(dirname "$compare_png")" && pwd)/$(basename "$compare_png")

work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
mkdir data
: >names
LC_ALL=C
export LC_ALL
# The tests folder as the replacement text of sed, and it and the working folder as
# its patterns.
tests=$(cd "$dir/.." && pwd -P)
tests_text=$(printf '%s\n' "$tests" | sed 's/[|&\\]/\\&/g')
tests_pattern=$(printf '%s\n' "$tests" | sed 's/[].[*^$|\\]/\\&/g')
work_pattern=$(pwd -P | sed 's/[].[*^$|\\]/\\&/g')

# same GOLDEN OUTPUT: true when the output equals the golden file; says how not.
same() {
    case $1 in
    *.png)
        if [ -z "$compare_png" ]; then
            echo "golden.sh: comparing $1 needs the compare-png tool"
            return 1
        fi
        "$compare_png" "$1" "$2"
        ;;
    *.pdf)
        sed '/^ *\/CreationDate (/d' "$1" >expected.pdf
        sed '/^ *\/CreationDate (/d' "$2" >actual.pdf
        cmp -s expected.pdf actual.pdf || { echo "the PDF files differ"; return 1; }
        ;;
    *)
        cmp -s "$1" "$2" || { diff "$1" "$2" | head -n 6; return 1; }
        ;;
    esac
}

# settle NAME OUTPUT: compares (check) or writes (bless) one output file; counts
# a failure.
settle() {
    if [ ! -f "$dir/$1" ]; then
        if [ "$mode" = bless ]; then
            cp "$2" "$dir/$1"
        else
            echo "MISSING $1"
            failed=$((failed + 1))
        fi
    elif ! same "$dir/$1" "$2" >report 2>&1; then
        if [ "$mode" = bless ]; then
            cp "$2" "$dir/$1"
        else
            echo "DIFFERS $1"
            cat report
            failed=$((failed + 1))
        fi
    fi
}

failed=0
count=0
while read -r name args; do
    case $name in '' | '#'*) continue ;; esac
    count=$((count + 1))
    echo "$name" >>names
    rm -rf out scratch
    mkdir out scratch
    case $name in */) mkdir "out/$name" ;; esac
    case $args in
    *@OUT@*) writes_file=1 ;;
    *) writes_file=0 ;;
    esac
    args=$(printf '%s\n' "$args" | sed -e "s|@OUT@|out/$name|g" -e "s|@TESTS@|$tests_text|g")
    case " $args" in
    *" --data-dir none") own_data=1 args=${args% --data-dir none} ;;
    *" --data-dir"*) own_data=1 ;;
    *) own_data=0 ;;
    esac
    # The arguments are written as a shell would read them (quotes around blanks).
    eval "set -- $args"
    [ "$own_data" = 1 ] || set -- "$@" --data-dir data
    case " $args " in
    " solar "* | *" --solar auto "*)
        "$solar_server" sh -c 'HOPSCOPE_SOLAR_URL=$HOPSCOPE_SOLAR_TEST_BASE/good exec "$@"' \
            sh "$cli" "$@" </dev/null >stdout 2>stderr
        ;;
    *) "$cli" "$@" </dev/null >stdout 2>stderr ;;
    esac
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAILED $name: exit status $status: $(cat stderr)"
        failed=$((failed + 1))
        continue
    fi
    if [ -n "$(ls -A data)" ]; then
        echo "FAILED $name: the command wrote into its data folder"
        rm -rf data/*
        failed=$((failed + 1))
        continue
    fi
    if [ "$writes_file" = 1 ]; then
        case $name in
        */)
            [ -d "$dir/$name" ] || [ "$mode" = check ] || mkdir "$dir/$name"
            (cd "out/$name" && ls) >produced
            if [ -d "$dir/$name" ]; then
                (cd "$dir/$name" && ls) >expected
                if ! cmp -s expected produced; then
                    if [ "$mode" = bless ]; then
                        rm -rf "${dir:?}/$name" && mkdir "$dir/$name"
                    else
                        echo "DIFFERS $name: other files"
                        diff expected produced | head -n 6
                        failed=$((failed + 1))
                        continue
                    fi
                fi
            fi
            while read -r file; do
                settle "$name$file" "out/$name$file"
            done <produced
            ;;
        *)
            if [ ! -f "out/$name" ]; then
                echo "FAILED $name: the command wrote no file"
                failed=$((failed + 1))
                continue
            fi
            settle "$name" "out/$name"
            ;;
        esac
    else
        sed -e "s|$work_pattern|@WORK@|g" -e "s|$tests_pattern|@TESTS@|g" \
            -e 's/^Fetched:\( *\)[0-9T:-]*Z$/Fetched:\1@FETCHED@/' \
            -e 's/"fetched": "[0-9T:-]*Z"/"fetched": "@FETCHED@"/' \
            -e 's/, fetched [0-9-]* [0-9:]* UTC/, fetched @FETCHED@/' stdout >text
        settle "$name" text
    fi
done <"$dir/requests.txt"

# Golden files no request names any more.
for file in "$dir"/*; do
    base=$(basename "$file")
    case $base in golden.sh | requests.txt) continue ;; esac
    [ -d "$file" ] && base=$base/
    grep -qxF "$base" names && continue
    if [ "$mode" = bless ]; then
        rm -rf "$file"
        echo "REMOVED $base"
    else
        echo "STALE $base (no request names it)"
        failed=$((failed + 1))
    fi
done

echo "golden.sh $mode: $count requests, $failed failed"
[ "$failed" -eq 0 ]
