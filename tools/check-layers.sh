#!/bin/sh
# check-layers.sh [ROOT]
# Fails when a source file includes a folder that tools/layers.txt does not allow it,
# reaches into the engine past engine/Propagation.h (or into the P.533 engine past
# p533/CircuitPrediction.h), uses Qt in a plain folder (an
# include or a Qt6:: link), or lives in a folder the table does not name.
root=${1:-.}
cd "$root" || exit 2
table=tools/layers.txt
folders=$(sed -e 's/#.*//' "$table" | awk -F: 'NF > 1 { gsub(/ /, "", $1); print $1 }')
problems=$(mktemp) || exit 2
trap 'rm -f "$problems"' EXIT

allowed() { # the folders $1 may include, itself included
    printf '%s ' "$1"
    sed -e 's/#.*//' "$table" | awk -F: -v f="$1" '{ k = $1; gsub(/ /, "", k) } k == f { print $2 }'
}

# Every folder with sources must be in the table (a folder's ui/ is its own entry).
for dir in $(find . -name '*.cpp' -o -name '*.h' | grep -vE '^\./(tests|bench|build[^/]*|tools|cmake|packaging|docs)/' |
    sed 's#^\./##; s#/[^/]*$##' | sort -u); do
    echo "$folders" | grep -qx "$dir" || echo "$dir: not in $table" >>"$problems"
done

for folder in $folders; do
    [ -d "$folder" ] || continue
    deps=$(allowed "$folder")
    qt=no
    case " $deps " in *" qt "*) qt=yes ;; esac
    for file in "$folder"/*.cpp "$folder"/*.h; do
        [ -f "$file" ] || continue
        grep -nE '^\s*#\s*include\s*[<"]' "$file" | while IFS= read -r line; do
            target=$(echo "$line" | sed -nE 's/.*#\s*include\s*"([a-z][a-z0-9]*(\/ui)?)\/.*/\1/p')
            header=$(echo "$line" | sed -nE 's/.*#\s*include\s*"([^"]+)".*/\1/p')
            if [ "$qt" = no ] && echo "$line" | grep -qE '#\s*include\s*<(Q[A-Za-z]|qt)'; then
                echo "$file:$line: Qt in a plain folder" >>"$problems"
            fi
            [ -n "$target" ] || continue
            echo "$folders" | grep -qx "$target" || continue
            case " $deps " in *" $target "*) ;; *)
                echo "$file:$line: $folder may not include $target" >>"$problems" ;;
            esac
            if [ "$target" = engine ] && [ "$folder" != engine ] && [ "$header" != engine/Propagation.h ]; then
                echo "$file:$line: outside the engine, include engine/Propagation.h" >>"$problems"
            fi
            if [ "$target" = p533 ] && [ "$folder" != p533 ] && [ "$header" != p533/CircuitPrediction.h ]; then
                echo "$file:$line: outside the P.533 engine, include p533/CircuitPrediction.h" >>"$problems"
            fi
        done
    done
    if [ "$qt" = no ] && [ -f "$folder/CMakeLists.txt" ] && grep -q 'Qt6::' "$folder/CMakeLists.txt"; then
        echo "$folder/CMakeLists.txt: Qt linked into a plain folder" >>"$problems"
    fi
done

if [ -s "$problems" ]; then
    echo "Includes that cross the layers of $table:"
    cat "$problems"
    exit 1
fi
echo "every include keeps to the layers of $table"
