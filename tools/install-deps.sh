#!/bin/sh
# Installs the Debian packages Hopscope needs to build, run and test.
# Idempotent: packages already present are not touched, and apt is not called at all
# when nothing is missing.
set -e
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev \
libgtest-dev libbenchmark-dev fonts-dejavu-core clang-format \
qt6-svg-dev libcairo2-dev libpng-dev \
libgeographiclib-dev libtbb-dev \
libcurl4-openssl-dev nlohmann-json3-dev \
clang libclang-rt-14-dev \
desktop-file-utils appstream dpkg-dev \
libcanberra-dev libasound2-dev libxkbcommon-dev file python3"
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
