#!/bin/sh
# Fails when a plain C++ layer (no user interface) includes a Qt header or links Qt.
root=${1:-.}
cd "$root" || exit 2
bad=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]|qt)' core engine settings atlas report cli \
        --include='*.h' --include='*.cpp' 2>/dev/null | grep -vE '^(settings|atlas)/ui/')
links=$(grep -nE 'Qt6::' core/CMakeLists.txt engine/CMakeLists.txt settings/CMakeLists.txt \
        atlas/CMakeLists.txt report/CMakeLists.txt cli/CMakeLists.txt 2>/dev/null)
if [ -n "$bad$links" ]; then
    echo "Qt used in a plain layer:"
    [ -n "$bad" ] && echo "$bad"
    [ -n "$links" ] && echo "$links"
    exit 1
fi
echo "plain layers are free of Qt"
