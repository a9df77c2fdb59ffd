#!/bin/sh
# Installs every Debian package the build, the program and the tests need:
# 64-bit and 32-bit Wine among them, since both builds are tested.
# Idempotent: when everything is present it returns at once.
set -eu

packages="cmake make python3 git unzip g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
googletest wine64 wine32:i386 fonts-wine xvfb xauth x11-utils xdotool xclip imagemagick
fonts-wqy-microhei"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root (apt-get is needed) or install these packages first." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# 32-bit Wine comes from the i386 architecture's packages.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing
