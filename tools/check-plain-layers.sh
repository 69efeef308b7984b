#!/bin/sh
# Fails when a plain C++ layer (no user interface) includes a Qt header, includes a
# header of a window folder, or links Qt.
root=${1:-.}
cd "$root" || exit 2
plain="core parallel engine settings atlas report graphs batch maps cli"
windows='(widgets|prediction|app|settings/ui|atlas/ui|batch/ui|maps/ui)/'
sources=$(find $plain -name '*.h' -o -name '*.cpp' 2>/dev/null | grep -vE '^[a-z]+/ui/')
bad=""
[ -n "$sources" ] && bad=$(grep -nE "#\s*include\s*[<\"](Q[A-Za-z]|qt|$windows)" $sources)
lists=$(for d in $plain; do [ -f "$d/CMakeLists.txt" ] && echo "$d/CMakeLists.txt"; done)
links=$(grep -nE 'Qt6::' $lists 2>/dev/null)
if [ -n "$bad$links" ]; then
    echo "Qt or a window folder used in a plain layer:"
    [ -n "$bad" ] && echo "$bad"
    [ -n "$links" ] && echo "$links"
    exit 1
fi
echo "plain layers are free of Qt and of window headers"
