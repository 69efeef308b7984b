#!/bin/sh
# Builds the Debian package of a build with cpack, in a temporary folder, and checks it:
# the files a Debian user expects (both programs, the compressed man page, the copyright
# file with the Natural Earth credit, the desktop entry and AppStream file under their
# lower-case id), no build-tree marker, the version of the programs, and library
# dependencies found by dpkg-shlibdeps. Usage: tools/check-deb.sh BUILD_DIR
set -e
build=$(cd "${1:?usage: check-deb.sh BUILD_DIR}" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "cpack could not build the package"
    exit 1
fi
deb=$(ls "$out"/*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
id=io.github.hopscope.hopscope
status=0
need() {
    printf '%s\n' "$files" | grep -qx "$1" || { echo "missing from the package: $1"; status=1; }
}
need /usr/bin/hopscope-cli
need /usr/bin/hopscope-cli-full
need /usr/share/man/man1/hopscope-cli.1.gz
need /usr/share/doc/hopscope/copyright
need /usr/share/hopscope/p533/COEFF01W.txt
if [ -e "$build/app/hopscope" ]; then
    need /usr/bin/hopscope
    need /usr/share/applications/$id.desktop
    need /usr/share/metainfo/$id.metainfo.xml
    need /usr/share/icons/hicolor/scalable/apps/hopscope.svg
    need /usr/share/doc/hopscope/help/contents.html
fi
bad=$(printf '%s\n' "$files" | grep -E 'Hopscope\.portable$|/man/man[1-9]/[^/]*\.[1-9]$' || true)
[ -z "$bad" ] || { echo "must not be in the package:"; echo "$bad"; status=1; }

dpkg-deb -x "$deb" "$out/root"
grep -q "Natural Earth" "$out/root/usr/share/doc/hopscope/copyright" ||
    { echo "the copyright file does not credit Natural Earth"; status=1; }
gzip -t "$out/root/usr/share/man/man1/hopscope-cli.1.gz" || status=1

version=$(dpkg-deb -f "$deb" Version)
cli=$("$out/root/usr/bin/hopscope-cli" --version)
[ "$cli" = "hopscope-cli $version" ] ||
    { echo "package version $version, but hopscope-cli --version says '$cli'"; status=1; }
if [ -e "$out/root/usr/bin/hopscope" ]; then
    gui=$("$out/root/usr/bin/hopscope" --version)
    [ "$gui" = "hopscope $version" ] ||
        { echo "package version $version, but hopscope --version says '$gui'"; status=1; }
    grep -q "<release version=\"$version\"" "$out/root/usr/share/metainfo/$id.metainfo.xml" ||
        { echo "the AppStream release is not $version"; status=1; }
fi

depends=$(dpkg-deb -f "$deb" Depends)
printf '%s\n' "$depends" | grep -q 'libc6' ||
    { echo "no library dependencies (dpkg-shlibdeps did not run): '$depends'"; status=1; }
if printf '%s\n' "$depends" | grep -qi 'multimedia'; then
    echo "the package depends on Qt Multimedia: $depends"
    status=1
fi
[ $status -eq 0 ] && echo "the package $(basename "$deb") is complete; Depends: $depends"
exit $status
