#!/bin/sh
# Installs the build into a temporary DESTDIR and checks what a desktop expects: both
# programs (and the full program of the command line), the desktop entry and
# AppStream metadata (validated, and in step with the desktop entry and the programs),
# the icons, the help, the man pages, copyright and changelog.
# Usage: tools/check-install.sh BUILD_DIR
set -e
build=${1:?usage: check-install.sh BUILD_DIR}
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"
id=io.github.hopscope.hopscope
status=0
need() {
    if [ ! -s "$root/$1" ]; then
        echo "missing: /usr/$1"
        status=1
    fi
}
need bin/hopscope-cli
need bin/hopscope-cli-full
need share/man/man1/hopscope-cli.1.gz
need share/man/man1/hopscope-cli-full.1.gz
need share/doc/hopscope-cli/copyright
need share/doc/hopscope-cli/changelog.gz
need share/hopscope/p533/COEFF01W.txt
need share/hopscope/cty.dat
if [ -e "$build/app/hopscope" ]; then
    need bin/hopscope
    need share/man/man1/hopscope.1.gz
    need share/doc/hopscope/copyright
    need share/doc/hopscope/changelog.gz
    need share/applications/$id.desktop
    need share/metainfo/$id.metainfo.xml
    need share/icons/hicolor/scalable/apps/hopscope.svg
    for size in 16 32 48 64 128 256; do
        need share/icons/hicolor/${size}x${size}/apps/hopscope.png
    done
    need share/doc/hopscope/help/contents.html
    if command -v desktop-file-validate >/dev/null; then
        # Not even a hint.
        desktop-file-validate "$root/share/applications/$id.desktop" | grep . && status=1
    fi
    # The AppStream entry has the desktop entry's categories and names every program.
    metainfo="$root/share/metainfo/$id.metainfo.xml"
    categories=$(sed -n 's|.*<category>\(.*\)</category>.*|\1;|p' "$metainfo" | tr -d '\n')
    desktop=$(sed -n 's/^Categories=//p' "$root/share/applications/$id.desktop")
    [ "$categories" = "$desktop" ] ||
        { echo "AppStream categories '$categories', desktop entry '$desktop'"; status=1; }
    provided=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo" | sort | tr '\n' ' ')
    installed=$(ls "$root/bin" | sort | tr '\n' ' ')
    [ "$provided" = "$installed" ] ||
        { echo "AppStream provides '$provided', installed '$installed'"; status=1; }
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null ||
            { appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"; status=1; }
    fi
fi
# Every program has its man page.
for program in $(ls "$root/bin"); do
    need share/man/man1/$program.1.gz
done
# The build tree's marker stays behind: an installed program uses the user's folder.
if [ -n "$(find "$dest" -name Hopscope.portable)" ]; then
    echo "the build tree's Hopscope.portable was installed"
    status=1
fi
# The installed command line runs from its new place, the full program too.
"$root/bin/hopscope-cli" --help >/dev/null || { echo "installed hopscope-cli does not run"; status=1; }
"$root/bin/hopscope-cli" map --help >/dev/null ||
    { echo "installed hopscope-cli does not find hopscope-cli-full"; status=1; }
# It keeps its files in the user's folder, and a command that only reads creates none.
home="$dest/home"
mkdir "$home"
HOME="$home" XDG_DATA_HOME="" "$root/bin/hopscope-cli" predict --a G --b VK --solar F150 \
    >/dev/null || { echo "installed hopscope-cli predict failed"; status=1; }
HOME="$home" XDG_DATA_HOME="" "$root/bin/hopscope-cli" atlas find G >/dev/null || status=1
# The P.533 engine finds its data in share/hopscope/p533 of the install.
HOME="$home" XDG_DATA_HOME="" "$root/bin/hopscope-cli" predict --engine p533 --a G --b VK \
    --solar S80 --date 2026-03-15 >/dev/null || { echo "installed predict --engine p533 failed"; status=1; }
# A callsign is placed by the installed country file.
HOME="$home" XDG_DATA_HOME="" "$root/bin/hopscope-cli" predict --a DL1ABC --b VK2XYZ/P \
    --solar F150 >/dev/null 2>&1 || { echo "installed hopscope-cli does not read cty.dat"; status=1; }
if [ -n "$(ls -A "$home")" ]; then
    echo "a reading command created files:"; find "$home"; status=1
fi
HOME="$home" XDG_DATA_HOME="" "$root/bin/hopscope-cli" atlas add --prefix ZZ9 --lat 1 --lon 2 \
    --name Test >/dev/null || status=1
[ -s "$home/.local/share/Hopscope/Hopscope.ATL" ] ||
    { echo "atlas add did not write ~/.local/share/Hopscope/Hopscope.ATL"; status=1; }
[ $status -eq 0 ] && echo "install layout is complete"
exit $status
