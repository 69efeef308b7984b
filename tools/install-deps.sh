#!/bin/sh
# Installs the Debian packages Hopscope needs to build, run and test.
# Idempotent: packages already present are not touched, and apt is not called at all
# when nothing is missing.
#   tools/install-deps.sh            everything, the windowed program included
#   tools/install-deps.sh --no-gui   without Qt: for a build with -DHOPSCOPE_GUI=OFF
set -e
gui=yes
case ${1:-} in
"") ;;
--no-gui) gui=no ;;
*)
    echo "usage: tools/install-deps.sh [--no-gui]" >&2
    exit 2
    ;;
esac
# fonts-dejavu-core: the fonts the pictures are drawn in (graphs/CairoPicture.h).
# lintian checks the Debian packages that tools/check-deb.sh builds.
packages="cmake ninja-build g++ pkg-config \
libgtest-dev libbenchmark-dev fonts-dejavu-core clang-format \
libcairo2-dev libpng-dev \
libgeographiclib-dev libtbb-dev \
libcurl4-openssl-dev nlohmann-json3-dev \
clang libclang-rt-14-dev \
dpkg-dev lintian file python3"
if [ $gui = yes ]; then
    packages="$packages qt6-base-dev qt6-svg-dev libgl-dev libxkbcommon-dev \
libcanberra-dev libasound2-dev desktop-file-utils appstream"
fi
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
