#!/bin/sh
# Builds the Debian packages of a build with cpack, in a temporary folder, and checks
# them: hopscope-cli (the command line, without Qt) and, when the windowed program is
# built, hopscope. Each has the files a Debian user expects (programs, compressed man
# pages, copyright and changelog, the desktop entry and AppStream file under their
# lower-case id), no build-tree marker, stripped programs linked with Debian's
# hardening (bind now) and the shared C++ runtime, the version of the programs, and
# dependencies found by dpkg-shlibdeps plus the fonts of the pictures; lintian, when
# it is installed, finds no error. Usage: tools/check-deb.sh BUILD_DIR
set -e
build=$(cd "${1:?usage: check-deb.sh BUILD_DIR}" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "cpack could not build the packages"
    exit 1
fi
id=io.github.hopscope.hopscope
status=0
fail() {
    echo "$*"
    status=1
}

# check_package NAME FILE...: the package NAME exists and has every FILE; it is
# unpacked into $out/NAME. Sets deb, files and depends.
check_package() {
    name=$1
    shift
    deb=$(ls "$out"/"$name"_*.deb 2>/dev/null || true)
    if [ -z "$deb" ]; then
        fail "cpack made no package $name"
        return 1
    fi
    files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
    for file in "$@"; do
        printf '%s\n' "$files" | grep -qx "$file" || fail "missing from $name: $file"
    done
    bad=$(printf '%s\n' "$files" | grep -E 'Hopscope\.portable$|/man/man[1-9]/[^/]*\.[1-9]$' || true)
    [ -z "$bad" ] || fail "must not be in $name: $bad"
    dpkg-deb -x "$deb" "$out/$name"
    grep -q "GPL-3.0-or-later" "$out/$name/usr/share/doc/$name/copyright" ||
        fail "$name: the copyright file does not name the GPL"
    grep -q "Natural Earth" "$out/$name/usr/share/doc/$name/copyright" ||
        fail "$name: the copyright file does not credit Natural Earth"
    for gz in $(printf '%s\n' "$files" | grep '\.gz$'); do
        gzip -t "$out/$name$gz" || fail "$name: $gz is not a good gzip file"
    done
    for program in $(printf '%s\n' "$files" | grep '^/usr/bin/.'); do
        file -L "$out/$name$program" | grep -q ', stripped' || fail "$name: $program is not stripped"
        readelf -d "$out/$name$program" | grep -q 'BIND_NOW' ||
            fail "$name: $program is not linked with -z now"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    printf '%s\n' "$depends" | grep -q 'libc6' ||
        fail "$name: no library dependencies (dpkg-shlibdeps did not run): '$depends'"
    echo "$(basename "$deb"): Depends: $depends"
}

version=""
if check_package hopscope-cli /usr/bin/hopscope-cli /usr/bin/hopscope-cli-full \
    /usr/share/man/man1/hopscope-cli.1.gz /usr/share/man/man1/hopscope-cli-full.1.gz \
    /usr/share/doc/hopscope-cli/copyright /usr/share/doc/hopscope-cli/changelog.gz \
    /usr/share/hopscope/p533/COEFF01W.txt /usr/share/hopscope/cty.dat; then
    version=$(dpkg-deb -f "$deb" Version)
    cli=$("$out/hopscope-cli/usr/bin/hopscope-cli" --version)
    [ "$cli" = "hopscope-cli $version" ] ||
        fail "package version $version, but hopscope-cli --version says '$cli'"
    # The command line needs no window system; its pictures need their fonts; Debian's
    # security updates of the C++ runtime reach it.
    if printf '%s\n' "$depends" | grep -qiE 'qt|libx11|libgl'; then
        fail "hopscope-cli depends on a window system library: $depends"
    fi
    printf '%s\n' "$depends" | grep -q 'fonts-dejavu-core' ||
        fail "hopscope-cli does not depend on the fonts of its pictures: $depends"
    printf '%s\n' "$depends" | grep -q 'libstdc++6' ||
        fail "hopscope-cli does not use the shared C++ runtime: $depends"
fi

if [ -e "$build/app/hopscope" ] && check_package hopscope /usr/bin/hopscope \
    /usr/share/man/man1/hopscope.1.gz /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/hopscope.svg \
    /usr/share/doc/hopscope/help/contents.html /usr/share/doc/hopscope/copyright \
    /usr/share/doc/hopscope/changelog.gz; then
    gui=$("$out/hopscope/usr/bin/hopscope" --version)
    [ "$gui" = "hopscope $version" ] ||
        fail "package version $version, but hopscope --version says '$gui'"
    grep -q "<release version=\"$version\"" "$out/hopscope/usr/share/metainfo/$id.metainfo.xml" ||
        fail "the AppStream release is not $version"
    printf '%s\n' "$depends" | grep -q "hopscope-cli (= $version)" ||
        fail "hopscope does not depend on hopscope-cli $version: $depends"
    printf '%s\n' "$depends" | grep -qi 'multimedia' &&
        fail "hopscope depends on Qt Multimedia: $depends"
fi

if command -v lintian >/dev/null; then
    # Errors fail; warnings are shown.
    lintian --fail-on error --tag-display-limit 0 "$out"/*.deb || fail "lintian found errors"
else
    echo "lintian is not installed: the packages were not checked with it"
fi
[ $status -eq 0 ] && echo "the packages are complete"
exit $status
