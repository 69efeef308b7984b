#!/bin/sh
# Remakes the README's screenshots: starts the built program under Xvfb with a fresh
# data folder, drives it from the keyboard as a user would (defines the station in
# Options, runs a prediction Vienna - Sydney, opens the maps) and saves each view.
# Usage: tools/screenshots.sh [BUILD_DIR]   (needs xvfb-run, xdotool, ImageMagick)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=$root/docs/screenshots
mkdir -p "$out"
if [ -z "$SCREENSHOTS_INNER" ]; then
    SCREENSHOTS_INNER=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build"
fi
data=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$data"' EXIT
shot() { sleep "${2:-1}"; import -window root "$out/$1.png"; echo "wrote docs/screenshots/$1.png"; }
keys() { xdotool key --delay 120 "$@"; }
text() { xdotool type --delay 60 -- "$1"; }

"$build/app/hopscope" /b --data-dir "$data" &
pid=$!
sleep 4
# The first start asks for the station: Yes opens Options with the focus on the name;
# after the longitude come the grid locator and then the Save button.
keys Return; sleep 2
text "Vienna"; keys Tab; text "48 12 N"; keys Tab; text "16 22 E"; keys Tab Tab Return
sleep 2
# Predictions > On-Screen: A is DEFAULT, B the atlas prefix VK2, flux 120, F9.
keys alt+p s; sleep 2
keys Return; text "VK2"; keys Return Tab; text "120"; keys F9
sleep 6
keys Return
shot main-results 3
# From the results: Maps > Great Circle Map, then Maps > Frequency Map from the main menu.
keys alt+m g
shot great-circle-map 4
keys Escape
sleep 1
keys Escape
sleep 1
keys alt+m f; sleep 2
keys Return; sleep 0.5; keys Tab Tab Tab
text "1200"; keys F9
shot frequency-map 5
